#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace announcer {
namespace {

std::function<void(const QString&)>& observer() {
    static std::function<void(const QString&)> o;
    return o;
}

const char* const kName = "announcer";

// The window's speaker: holds the messages that came before the window was
// active, and on Qt before 6.8 is itself the notification that appears.
class Speaker : public QWidget {
public:
    explicit Speaker(QWidget* window) : QWidget(window) {
        setObjectName(QString::fromLatin1(kName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        window->installEventFilter(this);
    }

    QString message() const { return m_message; }

    void say(const QString& message) {
        m_pending << message;
        if (window()->isActiveWindow()) sayPending();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // After Qt has told of the window and its focus, so the screen reader
        // speaks the message after them.
        if (watched == window() && event->type() == QEvent::WindowActivate && !m_pending.isEmpty())
            QTimer::singleShot(0, this, [this] { sayPending(); });
        return false;
    }

private:
    void sayPending() {
        if (m_pending.isEmpty() || !window()->isActiveWindow()) return;
        m_message = m_pending.join(QLatin1Char(' '));
        m_pending.clear();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(window(), m_message);
        QAccessible::updateAccessibility(&event);
#else
        // Appearing is what makes a notification heard.
        hide();
        show();
#endif
    }

    QString m_message;
    QStringList m_pending;
};

class AccessibleSpeaker : public QAccessibleWidget {
public:
    explicit AccessibleSpeaker(Speaker* speaker)
        : QAccessibleWidget(speaker, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<Speaker*>(widget())->message();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* speaker = dynamic_cast<Speaker*>(object)) return new AccessibleSpeaker(speaker);
    return nullptr;
}

}  // namespace

void say(QWidget* control, const QString& message) {
    if (message.isEmpty() || !control) return;
    if (observer()) observer()(message);
    QWidget* window = control->window();
    // Found by name: a class found by type needs the object macro on Qt 6.9 and later.
    auto* speaker = dynamic_cast<Speaker*>(
        window->findChild<QWidget*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly));
    if (!speaker) {
        static const bool installed = [] {
            QAccessible::installFactory(&factory);
            return true;
        }();
        Q_UNUSED(installed);
        // Hidden until its first message: a window arriving shows every
        // child, and a screen reader would speak an empty notification.
        speaker = new Speaker(window);
        speaker->hide();
    }
    speaker->say(message);
}

void setObserver(std::function<void(const QString&)> o) { observer() = std::move(o); }

}  // namespace announcer
