#include "tests/support/TestMain.h"
#include "ui/RepaintPacer.h"

#include <QWidget>

namespace {
class CountingWidget : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};
} // namespace

class TestRepaintPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An update right after a paint waits for the frame's end, and is painted then, not lost.
    void updateWithinAFrameIsPaintedLater()
    {
        RepaintPacer pacer;
        qApp->installEventFilter(&pacer);
        CountingWidget widget;
        widget.show();
        QTRY_VERIFY(widget.paints > 0);
        for (int round = 0; round < 3; ++round) {
            widget.update();
            QCoreApplication::sendPostedEvents(&widget, QEvent::UpdateRequest);
            const int before = widget.paints;
            widget.update();
            QCoreApplication::sendPostedEvents(&widget, QEvent::UpdateRequest);
            QTRY_COMPARE(widget.paints, before + 1);
        }
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestRepaintPacer)
#include "tst_repaintpacer.moc"
