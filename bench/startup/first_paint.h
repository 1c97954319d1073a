#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace startup {

// Ends the event loop once the window's first frame has been painted and handed to the
// platform. Widgets have no frameSwapped signal, and the first frame does not always come
// through an UpdateRequest (an expose paints it directly), but it always starts with a Paint
// event for the window itself. The filter sees that event before the window, its children and
// the flush of the backing store, which all happen in the same call, so the quit is queued: it
// runs when control returns to the event loop, after the frame is complete.
// Given a file name as the program's one argument, it first saves a picture of the window
// there, so that the two programs can be seen to show the same thing.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window)
        : window_(window)
    {
        if (const QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1) {
            screenshot_ = arguments.at(1);
        }
        window.installEventFilter(this);
        // A window that never paints must not hang the benchmark; valgrind is slow.
        QTimer::singleShot(kGiveUp, this, [] {
            qCritical("no frame was painted");
            QCoreApplication::exit(1);
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const bool saved = screenshot_.isEmpty() || window_.grab().save(screenshot_);
                    QCoreApplication::exit(saved ? 0 : 1);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr std::chrono::minutes kGiveUp{2};

    QWidget& window_;
    QString screenshot_;
    bool painted_ = false;
};

} // namespace startup
