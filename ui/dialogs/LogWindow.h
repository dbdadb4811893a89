#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The log window `Dialog`: the price-change lines in the order they were met. "OK" hides
// it with its lines; "Clear Log" empties it; the close box destroys it and its lines.
class LogWindow : public QDialog
{
    Q_OBJECT
public:
    explicit LogWindow(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    QStringList lines() const;

Q_SIGNALS:
    // The close box was used: the window is about to be destroyed.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* m_list = nullptr;
};
