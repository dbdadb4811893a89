#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <vector>

// The results grid's cells. Row 0 is the fixed header row; rows 1..n hold the items and one
// blank row stays below them. The widget shows this model: Qt's rows are the grid rows
// below the header, and the horizontal header shows row 0.
//
// Like the grid it stands for, it has a current cell (row(), col()) through which the cycle
// and the parser read and write, and column widths in twips set by FitGridColumns().
class ResultsGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 8;
    static constexpr int CellPadding = 150; // twips added to every measured text
    static const std::array<QString, ColumnCount> Headers;

    // Measures a text in the main window's font, in twips.
    using TextMeasure = std::function<double(const QString&)>;

    explicit ResultsGrid(QObject* parent = nullptr);

    // The grid's own operations.
    int rows() const { return static_cast<int>(m_cells.size()); }
    void setRows(int count); // rows that stay keep their text
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);
    QString cellText() const { return text(m_row, m_col); }
    void setCellText(const QString& text) { setText(m_row, m_col, text); }
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    quint32 textColor() const { return m_textColor; }
    void setTextColor(quint32 color) { m_textColor = color; }
    int columnWidth(int col) const { return m_widths.at(col); }

    // How texts are measured and how wide the grid is; the widget supplies both.
    void setTextMeasure(TextMeasure measure);
    void setGridWidthTwips(int width) { m_gridWidth = width; }
    int gridWidthTwips() const { return m_gridWidth; }

    void ResetGrid();
    void FitGridColumns();

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void currentCellChanged(int row, int col);
    void columnWidthsChanged();

private:
    using Row = std::array<QString, ColumnCount>;
    int measure(const QString& text) const;
    void forget(int row);
    void remember(int row);

    std::vector<Row> m_cells;
    // Each cell's measured width, and per column how many cells have each width, so that a
    // fit only measures what changed and still finds every column's widest text.
    std::vector<std::array<int, ColumnCount>> m_cellWidths;
    std::array<std::map<int, int>, ColumnCount> m_widthCounts;
    std::array<int, ColumnCount> m_widths{};
    TextMeasure m_measure;
    int m_gridWidth = 0;
    int m_row = 0;
    int m_col = 0;
    quint32 m_textColor = 0; // 0x00BBGGRR, as the colour values are given
};
