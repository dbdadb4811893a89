#pragma once

// The frame every HTML page of the sample site shares: a head that declares UTF-8 and carries
// a small style sheet, the site's name on top, and a footer that says where the page came from.

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the watcher asks for item pages; the path is fixed on its side.
QString itemPath();
// The link to an item's page, ready for an href attribute.
QString itemHref(const QString& number);

// From the doctype to the opening of the page's main part.
QStringList pageTop(const QString& title);
// From the end of the main part to the end of the document.
QStringList pageBottom();

// Lines end in CR LF, or in a bare LF for the one item that is sent that way.
QByteArray joinLines(const QStringList& lines, bool bareLineFeeds = false);

// A short page of one heading and one paragraph, for errors.
QByteArray messagePage(const QString& title, const QString& paragraph);
