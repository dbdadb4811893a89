#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAbstractItemModel;

// Keeps every column as wide as its widest text plus a little padding, and when the columns
// leave room in the view, shares it out evenly. A column given a width of its own keeps it and
// takes no share. Each cell's text and width are remembered and widths counted per column, so a
// change costs the measuring of the cells whose text changed only.
class ColumnFitter : public QObject
{
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    using Measure = std::function<int(const QString&)>;
    using CellMeasure = std::function<int(int column, const QString&)>;
    // A width for each column that is not fitted; nothing for one that is.
    using KeptWidths = std::array<std::optional<int>, Columns>;

    // measureCell and measureHeader give the width in pixels a text needs, padding included.
    ColumnFitter(const QAbstractItemModel& model, CellMeasure measureCell, Measure measureHeader,
                 QObject* parent = nullptr);

    void setAvailableWidth(int width);
    void setKeptWidths(const KeptWidths& kept);
    // The columns' widths as last fitted, and the widths of their widest texts alone.
    const std::array<int, Columns>& widths() const { return m_widths; }
    const std::array<int, Columns>& widest() const { return m_widest; }

    // The even share-out: a kept width as it is, each other width as it stands plus an equal
    // part of the room left.
    static std::array<int, Columns> shareOut(std::array<int, Columns> widths, const KeptWidths& kept, int available);

Q_SIGNALS:
    void widthsChanged();

private:
    void countRows(int first, int last);
    void uncountRows(int first, int last);
    void recountAll();
    void cellChanged(int row, int column);
    void count(int column, int width, int delta);
    void fit();

    const QAbstractItemModel& m_model;
    CellMeasure m_measureCell;
    Measure m_measureHeader;
    int m_available = 0;
    KeptWidths m_kept{};
    struct Cell
    {
        QString text; // shares the model's
        int width = 0;
    };
    std::vector<std::array<Cell, Columns>> m_cells;
    std::array<std::map<int, int>, Columns> m_widthCounts;
    std::array<int, Columns> m_widest{};
    std::array<int, Columns> m_widths{};
};
