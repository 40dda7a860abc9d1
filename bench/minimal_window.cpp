// The baselines of the start-up benchmark: a Qt Widgets program that shows one empty window
// (or, with --with-text, one label, which pays for the font system) and ends after its first
// paint.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTextStream>
#include <QWidget>

namespace {
class Window : public QWidget {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTextStream(stdout) << "first-paint" << Qt::endl;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QWidget::event(e);
    }

private:
    bool m_reported = false;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Window window;
    window.resize(428, 512);
    if (app.arguments().contains(QStringLiteral("--with-text")))
        (new QLabel(QStringLiteral("Ready..."), &window))->move(10, 10);
    window.show();
    return app.exec();
}
