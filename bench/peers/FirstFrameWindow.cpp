// The editor start's peer: the least a Qt program does to show a window of the
// editor's size and paint it once, then it ends.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class CFirstFrameWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::black);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    CFirstFrameWindow window;
    window.resize(1040, 800); // the main window's first size
    window.show();
    return app.exec();
}
