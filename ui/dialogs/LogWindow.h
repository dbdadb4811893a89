#pragma once

#include <QDialog>
#include <QTimer>
#include <optional>

class QListView;
class QStringListModel;

// The Auction Log: the price changes met, oldest at the top. OK hides the window and keeps the
// lines; its close box deletes the window and the lines with it. A double-click or Enter on a
// line asks for that item's history.
class LogWindow : public QDialog
{
    Q_OBJECT
public:
    // The oldest lines go once there are more; a long run would otherwise grow without end.
    static constexpr int LineLimit = 10000;

    explicit LogWindow(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    QStringList lines() const;
    // The item number of a line "At hh:mm:ss : Item #<number> Price= <price>", or of a problem's
    // line "At hh:mm:ss : Item #<number>: <message>".
    static std::optional<QString> itemNumberIn(const QString& line);

    // The Log command: shown, in front and active.
    void present();
    // The pop-up alert: shown and in front, but the keyboard stays where the user is typing.
    void popUp();

Q_SIGNALS:
    void itemWanted(const QString& itemNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Whether the window takes the keyboard when it comes up, or only once the user clicks it.
    enum class Activation { WhenShown, WhenClicked };
    void setActivation(Activation activation);
    void flush();

    QListView* m_view;
    QStringListModel* m_lines;
    // Lines that arrive while the window is on screen wait here for the next redraw, so that a
    // burst of changes redraws the list a few times a second, not once a line.
    QStringList m_pending;
    QTimer m_redraw;
};
