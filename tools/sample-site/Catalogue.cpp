#include "Catalogue.h"

#include <array>

namespace {

struct CatalogueEntry
{
    const char* number;
    const char* title;
    const char* category;
    const char* seller;
    const char* location;
    const char* description;
    int quantity;
    int firstBidCents;
    int priceCents;
    int bids;
    int endsInMinutes;
    double bidChance;
};

// Names and places are plain UTF-8; a few hold letters beyond ASCII on purpose, so that the
// page's decoding shows in the watcher.
// clang-format off
const std::array catalogue{
    CatalogueEntry{"3141592601", "Vintage black Bakelite rotary telephone - WORKS",
        "Collectibles : Telephones", "tinkerbarn (412)", "Dayton, Ohio",
        "<p>Heavy black Bakelite desk telephone from the late 1940s. Rings loud and clear, dial returns smoothly, "
        "and I made a call on it last night. The cord has been replaced with a modern modular plug so it works on "
        "any wall jack.</p><p>Small chip on the underside of the base, shown in the second picture. No cracks in "
        "the handset.</p>",
        1, 500, 2350, 7, 55, 0.12},
    CatalogueEntry{"3141592602", "Lot of 40 die-cast toy cars 1968-1972, red-line wheels, some rare colors",
        "Toys : Die-cast : Cars", "garagefind (88)", "Tacoma, Washington",
        "<p>Found in my uncle's attic in the original carrying case. Forty cars, all with the red-line wheels of "
        "the first years, including a purple muscle car and a pink show rod. Paint ranges from well played with "
        "to very nice; a few are missing their decals.</p><p>Case has a broken latch. Please look at all the "
        "pictures, what you see is what you get.</p>",
        1, 9900, 24750, 18, 185, 0.10},
    CatalogueEntry{"3141592603", "Metal-bodied portable cassette player, serviced, new belt",
        "Consumer Electronics : Portable Audio", "zoë_finds (57)", "Lansing, Michigan",
        "<p>A slim metal cassette player from the early eighties. I replaced the belt and cleaned the heads and "
        "pinch roller, and it plays at the correct speed. Both headphone jacks work.</p><p>Cosmetically very good "
        "with light wear on the corners. Battery door is original. Headphones not included.</p>",
        1, 2000, 4100, 9, 17, 0.15},
    CatalogueEntry{"3141592604", "Milk glass mixing bowl set of 4, turquoise butterfly print",
        "Kitchenware : Glass", "aunt_ruthie (1033)", "Topeka, Kansas",
        "<p>Complete nesting set, smallest to largest. Bright color with no dishwasher dullness. The largest bowl "
        "has a few utensil marks inside, the smaller three are near mint.</p><p>Will be double boxed with plenty "
        "of bubble wrap. I have shipped hundreds of glass pieces without a loss.</p>",
        1, 1500, 3850, 11, 430, 0.08},
    CatalogueEntry{"3141592605", "Manual 35mm SLR camera body, chrome, shutter tested",
        "Photo : Film Cameras : 35mm SLR", "f8andbethere (276)", "Rochester, New York",
        "<p>Fully mechanical body, all speeds up to 1/4000 tested and accurate by ear and on a tester. Meter "
        "responds and the LEDs are bright. Viewfinder clean apart from a little dust.</p><p>Body only, no lens. "
        "Comes with a body cap and a fresh pair of batteries for the meter.</p>",
        1, 15000, 21500, 6, 1245, 0.06},
    CatalogueEntry{"3141592606", "Horror novel, 1986 first edition hardcover with dust jacket",
        "Books : First Editions", "dogearedbooks (619)", "Bangor, Maine",
        "<p>First edition, first printing, with the correct code in the gutter of the last page. Dust jacket is "
        "not clipped and is now in a new archival cover. Binding is tight; the top edge has light foxing.</p>"
        "<p>A big book, over a thousand pages, so it will ship in a sturdy box.</p>",
        1, 2500, 2500, 0, 1710, 0.05},
    CatalogueEntry{"3141592607", "Tie-dye bean bag bear with peace sign, tag protector",
        "Toys : Bean Bag Plush", "plushpalace (145)", "Naperville, Illinois",
        "<p>Retired bear with both tags attached. The swing tag has been in a hard protector since the day we "
        "bought it. Smoke-free and pet-free home.</p><p>Colors are bright, mostly blue and purple.</p>",
        1, 300, 975, 14, 3150, 0.10},
    CatalogueEntry{"3141592608", "100MB removable disks, new sealed 10-pack (5 lots available)",
        "Computers : Storage Media", "megabyte_mart (2210)", "Austin, Texas",
        "<p>Brand new, factory sealed ten-packs of 100MB removable disks, PC formatted, from a shop closing "
        "down. Five identical lots are on offer.</p><p>Combined shipping for more than one lot.</p>",
        5, 2000, 3300, 12, 4320, 0.08},
    CatalogueEntry{"3141592609", "1977 space hero action figure with telescoping saber",
        "Toys : Action Figures : Vintage", "cantinaband (38)", "Fresno, California",
        "<p>Original 1977 figure with the early double telescoping saber, fully extended and not cut. Paint on "
        "the hair is nearly perfect. Loose, no card.</p><p>Please ask any questions before bidding.</p>",
        1, 5000, 16000, 23, 5790, 0.12},
    CatalogueEntry{"3141592610", "Solid-body electric guitar, sunburst, with gig bag",
        "Musical Instruments : Guitars : Electric", "sixstringsteve (92)", "Nashville, Tennessee",
        "<p>Plays well with low action and new strings. All three pickups and the switch work without crackle. "
        "The neck is straight.</p><p>Some belt buckle wear on the back and a ding on the lower horn, shown in the "
        "pictures. Tremolo arm included.</p>",
        1, 7500, 12750, 8, 7205, 0.07},
    CatalogueEntry{"3141592611", "No. 8 cast iron skillet, large block logo, cleaned and seasoned",
        "Kitchenware : Cast Iron", "ironmonger (504)", "Erie, Pennsylvania",
        "<p>Large block logo with the heat ring. Sits flat on a glass top, no wobble and no spin. Stripped with "
        "lye and given three coats of seasoning.</p><p>Weighs about five pounds, shipping will be by parcel "
        "post.</p>",
        1, 2000, 6500, 16, 8650, 0.10},
    CatalogueEntry{"3141592612", "Handheld pen computer with keyboard and case",
        "Computers : Handhelds", "handheldhaven (61)", "San Jose, California",
        "<p>Works on batteries and the power adapter. Screen is clean with no scratches, and handwriting "
        "recognition is quick. Includes the folding keyboard, the leather case and the stylus.</p><p>Memory was "
        "reset to factory settings.</p>",
        1, 10000, 19000, 10, 13005, 0.06},
};

const std::array bidderPool{
    "quarterhorse (87)", "mossyoak_mike (23)", "peachpit (156)",  "dialtone99 (8)",
    "grannysquares (341)", "renée_r (64)", "rustbucket (12)", "velvetfog (203)",
    "tallgrass (45)", "bluegill_bob (117)", "mapleleaf (29)", "cornflake (5)",
    "hamradio_al (298)", "pennyloafer (71)", "zebracakes (19)", "oldtimer42 (530)",
};
// clang-format on

} // namespace

QList<AuctionItem> catalogueItems(QRandomGenerator& random, const QDateTime& openedAt)
{
    QList<AuctionItem> items;
    for (const CatalogueEntry& entry : catalogue) {
        AuctionItem item;
        item.number = QString::fromUtf8(entry.number);
        item.title = QString::fromUtf8(entry.title);
        item.category = QString::fromUtf8(entry.category);
        item.seller = QString::fromUtf8(entry.seller);
        item.location = QString::fromUtf8(entry.location);
        item.description = QString::fromUtf8(entry.description);
        item.quantity = entry.quantity;
        item.firstBidCents = entry.firstBidCents;
        item.priceCents = entry.priceCents;
        item.bids = entry.bids;
        item.highBidder = entry.bids == 0 ? QStringLiteral("--") : randomBidder(random);
        // Seconds on the end times make them look entered by people rather than computed.
        item.endsAt = openedAt.addSecs(entry.endsInMinutes * 60LL + random.bounded(60));
        item.startedAt = item.endsAt.addDays(entry.endsInMinutes > 7 * 24 * 60 ? -10 : -7);
        item.bidChance = entry.bidChance;
        item.bareLineFeeds = item.number == QLatin1String("3141592607");
        items.append(item);
    }
    return items;
}

QString randomBidder(QRandomGenerator& random)
{
    return QString::fromUtf8(bidderPool[random.bounded(quint32(bidderPool.size()))]);
}

QString bidderAt(quint32 index)
{
    return QString::fromUtf8(bidderPool[index % bidderPool.size()]);
}
