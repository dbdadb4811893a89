#include "PageFrame.h"

QString itemPath()
{
    return QStringLiteral("/aw-cgi/eBayISAPI.dll");
}

QString itemHref(const QString& number)
{
    return itemPath() + QStringLiteral("?ViewItem&amp;item=") + number.toHtmlEscaped();
}

QStringList pageTop(const QString& title)
{
    return {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
        QStringLiteral("<title>") + title.toHtmlEscaped() + QStringLiteral("</title>"),
        QStringLiteral("<style>"),
        QStringLiteral("body { margin: 0; font: 15px/1.5 sans-serif; color: #1f2a30; background: #f4f1ea; }"),
        QStringLiteral("header, main, footer { max-width: 46rem; margin: 0 auto; padding: 0 1.25rem; }"),
        QStringLiteral("header { padding-top: .9rem; padding-bottom: .9rem; border-bottom: 3px solid #2f6f5e; }"),
        QStringLiteral("header a { color: #2f6f5e; font-weight: bold; font-size: 1.2rem; text-decoration: none; }"),
        QStringLiteral("header nav { float: right; font-size: .9rem; }"),
        QStringLiteral("header nav a { font-size: .9rem; font-weight: normal; margin-left: .8rem; }"),
        QStringLiteral("header span { color: #5b6870; margin-left: .6rem; font-size: .9rem; }"),
        QStringLiteral("h1 { font-size: 1.45rem; line-height: 1.25; margin: 1.2rem 0 .2rem; }"),
        QStringLiteral("h2 { font-size: 1.05rem; margin: 1.6rem 0 .4rem; border-bottom: 1px solid #d8d2c4; }"),
        QStringLiteral("a { color: #245a9c; }"),
        QStringLiteral(".meta { color: #5b6870; font-size: .9rem; margin: 0 0 1rem; }"),
        QStringLiteral("table { border-collapse: collapse; background: #fff; border: 1px solid #d8d2c4; }"),
        QStringLiteral("th, td { text-align: left; vertical-align: top; padding: .3rem .8rem; }"),
        QStringLiteral("tr + tr { border-top: 1px solid #ece7dc; }"),
        QStringLiteral(".facts th { color: #44525a; font-weight: normal; white-space: nowrap; }"),
        QStringLiteral(".facts .amount strong { font-size: 1.2rem; color: #8a3b12; }"),
        QStringLiteral(".list th { background: #ece7dc; }"),
        QStringLiteral(".list td.number { white-space: nowrap; text-align: right; }"),
        QStringLiteral(".qa dt { font-weight: bold; margin-top: .6rem; }"),
        QStringLiteral(".qa dd { margin: .1rem 0 0 1.2rem; }"),
        QStringLiteral(".note { background: #fff8dc; border-left: 4px solid #d9a521; padding: .6rem .9rem; }"),
        QStringLiteral("footer { color: #5b6870; font-size: .85rem; padding-top: 1.5rem; padding-bottom: 2rem; }"),
        QStringLiteral("@media (max-width: 36rem) { body { font-size: 14px; } th, td { padding: .25rem .4rem; } }"),
        QStringLiteral("@media print { body { background: #fff; } header, footer, .note { display: none; } }"),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral(
            "<header><a href=\"/\">Sample auctions</a><span>invented items for trying out "
            "Bidorra</span><nav><a href=\"/\">All items</a> <a href=\"/#other-numbers\">Other numbers</a></nav>"
            "</header>"),
        QStringLiteral("<main>"),
    };
}

QStringList pageBottom()
{
    return {
        QStringLiteral("</main>"),
        QStringLiteral("<footer>Sample auctions, served by bidorra-sample-site on this computer. Every item, "
                       "seller and bidder is invented, and nothing is ever sold.</footer>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
}

QByteArray joinLines(const QStringList& lines, bool bareLineFeeds)
{
    const QString end = bareLineFeeds ? QStringLiteral("\n") : QStringLiteral("\r\n");
    return (lines.join(end) + end).toUtf8();
}

QByteArray messagePage(const QString& title, const QString& paragraph)
{
    QStringList lines = pageTop(title);
    lines << QStringLiteral("<h1>") + title.toHtmlEscaped() + QStringLiteral("</h1>")
          << QStringLiteral("<p>") + paragraph + QStringLiteral("</p>")
          << QStringLiteral("<p><a href=\"/\">Back to the front page</a></p>");
    lines << pageBottom();
    return joinLines(lines);
}
