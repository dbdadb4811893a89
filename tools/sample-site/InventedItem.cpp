#include "InventedItem.h"

#include "Catalogue.h"

#include <QList>
#include <QRandomGenerator>
#include <algorithm>
#include <array>

namespace {

struct Thing
{
    const char* name;
    const char* category;
    const char* detail; // one HTML paragraph
    int firstBidCents;
};

// clang-format off
const std::array things{
    Thing{"Brass ship's clock with bezel", "Collectibles : Clocks",
        "<p>A heavy brass clock from a coastal freighter, on its original mounting plate. It keeps good time "
        "after a cleaning and strikes the bells on the half hour.</p>", 4000},
    Thing{"Enamel camping mugs, set of six", "Sporting Goods : Camping",
        "<p>Six spotted enamel mugs in blue, green and red. A few chips on the rims, as camping mugs have; no "
        "rust inside.</p>", 800},
    Thing{"Wooden chess set with folding board", "Toys : Games : Chess",
        "<p>Turned boxwood and ebonised pieces, all thirty-two present, in a board that folds into their box. "
        "The hinge is firm and the felt is clean.</p>", 1500},
    Thing{"Fountain pen, green marbled celluloid", "Collectibles : Pens",
        "<p>Lever filler with a new sac; it writes a smooth medium line. The marbling is bright with no "
        "discoloration at the cap.</p>", 2500},
    Thing{"Slide rule in leather case", "Collectibles : Scientific Instruments",
        "<p>Ten-inch slide rule with clear scales and a smooth slide. The cursor glass is unscratched, and the "
        "case has its belt loop.</p>", 1200},
    Thing{"Jar of 200 glass marbles", "Toys : Marbles",
        "<p>Swirls, cat's eyes and a few clearies, gathered over a childhood. A handful have small chips; most "
        "are as bright as new.</p>", 1000},
    Thing{"Portable typewriter with carrying case", "Office : Typewriters",
        "<p>All keys strike cleanly, the carriage returns and the bell rings. New two-color ribbon fitted. The "
        "case latch closes firmly.</p>", 3500},
    Thing{"Wind-up tin robot with sparking chest", "Toys : Tin Toys",
        "<p>Walks and sparks behind its chest window when wound. Lithography is bright with light wear on the "
        "feet. The key is original.</p>", 3000},
    Thing{"Crystal radio kit, unbuilt", "Consumer Electronics : Radio",
        "<p>Complete kit in its box, pieces still on the card, with the booklet and the earpiece. Builds a "
        "receiver that needs no battery.</p>", 1800},
    Thing{"Stoneware crock, three gallon", "Kitchenware : Stoneware",
        "<p>Salt-glazed crock with a blue stencilled three on the front. No cracks; it holds water. A small "
        "flake on the rim is glazed over.</p>", 2200},
    Thing{"Folding pocket knife with bone handles", "Collectibles : Knives",
        "<p>Three blades that open and close with a good snap. Bone handles with honest wear, no cracks. Blades "
        "have been sharpened lightly.</p>", 1600},
    Thing{"Steel road bicycle frame, 56 cm", "Sporting Goods : Cycling",
        "<p>Lugged steel frame and fork in dark red. Straight, no dents, a few touch-ups on the chain stay. "
        "Headset included.</p>", 6000},
    Thing{"Hand-painted globe on wooden stand", "Collectibles : Maps and Globes",
        "<p>Twelve-inch globe with borders of its day, spinning freely on a turned stand. Some fading on the "
        "side that faced the window.</p>", 4500},
    Thing{"Cast iron doorstop in the shape of a cat", "Collectibles : Doorstops",
        "<p>Sitting cat about eight inches tall with most of its black paint and green eyes. Heavy enough to hold "
        "any door.</p>", 1400},
};

const std::array conditions{
    "works well", "light wear", "clean and complete", "from an estate", "boxed", "tested",
};

const std::array sellerNames{
    "atticfinds", "bric_a_brac_bea", "corner_shelf", "driftwood_dan", "estatelots", "fleamarketfred",
    "greenporch", "hollow_oak", "lakeside_lou", "oldmillgoods", "saltbox_sue", "tincanalley",
};

const std::array places{
    "Duluth, Minnesota", "Savannah, Georgia", "Boise, Idaho", "Portland, Maine", "Tucson, Arizona",
    "Madison, Wisconsin", "Asheville, North Carolina", "Spokane, Washington",
};
// clang-format on

template <typename Array> auto pick(QRandomGenerator& random, const Array& array)
{
    return array[random.bounded(quint32(array.size()))];
}

} // namespace

bool isInventableNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 19)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

AuctionItem inventedItem(const QString& number, quint32 seed, const QDateTime& openedAt)
{
    // Seeded by the seed and the number's digits, so a number's item never depends on which
    // other numbers were asked for first.
    QList<quint32> seedData{seed};
    for (const QChar c : number)
        seedData.append(c.unicode());
    QRandomGenerator random(seedData.constData(), seedData.size());

    const Thing& thing = pick(random, things);
    AuctionItem item;
    item.number = number;
    item.title = QString::fromUtf8(thing.name) + QStringLiteral(", ") + QString::fromUtf8(pick(random, conditions));
    item.category = QString::fromUtf8(thing.category);
    item.seller = QString::fromUtf8(pick(random, sellerNames)) + QStringLiteral(" (%1)").arg(random.bounded(1, 1500));
    item.location = QString::fromUtf8(pick(random, places));
    item.description = QString::fromUtf8(thing.detail) +
                       QStringLiteral("<p>The sample site made this item up when number %1 was first asked for. "
                                      "The same number and seed always give the same title, seller and opening "
                                      "price.</p>")
                           .arg(number);
    item.firstBidCents = thing.firstBidCents;
    item.priceCents = thing.firstBidCents;
    item.bids = random.bounded(0, 20);
    for (int bid = 1; bid < item.bids; ++bid)
        item.priceCents += qint64{100} * random.bounded(1, 4);
    item.highBidder = item.bids == 0 ? QStringLiteral("--") : randomBidder(random);
    item.endsAt = openedAt.addSecs(random.bounded(2 * 86400, 9 * 86400));
    item.startedAt = item.endsAt.addDays(-10);
    return item;
}
