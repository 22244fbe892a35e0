// Every platform's mapping of "input method on" in one place.
#include "platform/input_method.h"

#include <QFocusEvent>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>

#include <imm.h>
#else
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QInputMethod>
#include <QTimer>
#include <functional>
#endif

namespace quilvane {

namespace {

#ifdef Q_OS_WIN

// The input context of the box's window, opened.
class Imm final : public QtInputMethod::Framework {
public:
    void SwitchOn(QWidget& box) override {
        const auto window = reinterpret_cast<HWND>(box.window()->winId());
        if (HIMC context = ImmGetContext(window)) {
            ImmSetOpenStatus(context, TRUE);
            ImmReleaseContext(window, context);
        }
    }
};

#else

// fcitx5 switches on the input context it saw focused last. Qt's frontend reports ours
// asynchronously, after the box's focus event, so the request waits for the frontend to tell the
// new context's locale, or half a second at most (a context focused again tells nothing).
// Auto-start is off: where fcitx5 does not run, the call must not start it.
class Fcitx5 final : public QtInputMethod::Framework {
public:
    Fcitx5() {
        wait_.setSingleShot(true);
        wait_.setInterval(500);
        QObject::connect(&wait_, &QTimer::timeout, [this] { Activate(); });
        QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::localeChanged, &wait_,
                         [this] {
                             if (wait_.isActive()) {
                                 Activate();
                             }
                         });
    }

    void SwitchOn(QWidget&) override { wait_.start(); }

private:
    void Activate() {
        wait_.stop();
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.fcitx.Fcitx5"), QStringLiteral("/controller"),
            QStringLiteral("org.fcitx.Fcitx.Controller1"), QStringLiteral("Activate"));
        call.setAutoStartService(false);
        QDBusConnection::sessionBus().send(call);
    }

    QTimer wait_;
};

// IBus's engine is one for the whole desktop: while the program has the focus a Japanese engine
// is the global one, in its kana mode, and the user's engine is given back when the focus leaves
// and at exit, so no other program is left typing kana. Every call goes over Qt's own connection
// to IBus, after Qt's focus call for the box: IBus takes the mode switch for an input context
// only from the connection that made it, and answers CurrentInputContext with ours.
class IBus final : public QtInputMethod::Framework {
public:
    IBus() {
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &replies_,
                         [this](Qt::ApplicationState state) {
                             if (state != Qt::ApplicationActive) {
                                 GiveBack();
                             }
                         });
    }

    // At exit no window is left to keep waiting: the engine goes back before the connection ends.
    ~IBus() override {
        if (!previous_.isEmpty()) {
            Bus().call(Call(QStringLiteral("SetGlobalEngine"), {previous_}), QDBus::Block, 1000);
        }
    }

    void SwitchOn(QWidget&) override {
        wanted_ = true;
        // With no engine set IBus answers an error: there would be nothing to give back, so the
        // desktop is left alone.
        Ask(Call(QStringLiteral("GetGlobalEngine")), [this](const QDBusMessage& engine) {
            const QString user = EngineName(engine.arguments().value(0));
            Ask(Call(QStringLiteral("GetEnginesByNames"), {JapaneseEngines()}),
                [this, user](const QDBusMessage& engines) {
                    const QString japanese = FirstEngineName(engines.arguments().value(0));
                    if (!wanted_ || user.isEmpty() || japanese.isEmpty()) {
                        return;
                    }
                    if (previous_.isEmpty()) {
                        previous_ = user;
                    }
                    Ask(Call(QStringLiteral("SetGlobalEngine"), {japanese}),
                        [this](const QDBusMessage&) { Ask(CurrentContext(), KanaMode()); });
                });
        });
    }

private:
    // Japanese engines, the first installed one wins.
    static QStringList JapaneseEngines() {
        return {QStringLiteral("mozc-jp"), QStringLiteral("anthy")};
    }

    static QDBusConnection Bus() { return QDBusConnection(QStringLiteral("QIBusProxy")); }

    static QDBusMessage Call(const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.IBus"), QStringLiteral("/org/freedesktop/IBus"),
            QStringLiteral("org.freedesktop.IBus"), method);
        call.setArguments(arguments);
        return call;
    }

    static QDBusMessage CurrentContext() { return Call(QStringLiteral("CurrentInputContext")); }

    // The reply names the focused input context: its kana mode is switched on.
    std::function<void(const QDBusMessage&)> KanaMode() {
        return [this](const QDBusMessage& context) {
            if (!wanted_) {
                return;
            }
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.IBus"),
                context.arguments().value(0).value<QDBusObjectPath>().path(),
                QStringLiteral("org.freedesktop.IBus.InputContext"),
                QStringLiteral("PropertyActivate"));
            call.setArguments({QStringLiteral("InputMode.Hiragana"), 1U});
            Bus().send(call);
        };
    }

    void GiveBack() {
        wanted_ = false;
        if (!previous_.isEmpty()) {
            Bus().send(Call(QStringLiteral("SetGlobalEngine"), {previous_}));
            previous_.clear();
        }
    }

    // Sends the call without waiting; `then` runs with the answer, unless IBus reports an error.
    void Ask(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then) {
        const QDBusConnection bus = Bus();
        if (!bus.isConnected()) {
            return;
        }
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), &replies_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &replies_,
                         [watcher, then = std::move(then)] {
                             watcher->deleteLater();
                             if (!watcher->isError()) {
                                 then(watcher->reply());
                             }
                         });
    }

    // An engine description is a structure: its type's name, attachments, then the engine's name.
    static QString EngineName(const QVariant& description) {
        const auto structure = description.value<QDBusVariant>().variant().value<QDBusArgument>();
        if (structure.currentType() != QDBusArgument::StructureType) {
            return {};
        }
        QString type;
        QVariantMap attachments;
        QString name;
        structure.beginStructure();
        structure >> type >> attachments >> name;
        return name;
    }

    static QString FirstEngineName(const QVariant& descriptions) {
        const auto list = descriptions.value<QDBusArgument>();
        QString name;
        if (list.currentType() == QDBusArgument::ArrayType) {
            list.beginArray();
            if (!list.atEnd()) {
                QDBusVariant first;
                list >> first;
                name = EngineName(QVariant::fromValue(first));
            }
        }
        return name;
    }

    QObject replies_; // owns the calls in flight; gone with this object
    bool wanted_ = false;
    QString previous_; // the user's engine while the Japanese one stands in for it
};

#endif

std::unique_ptr<QtInputMethod::Framework> PlatformFramework() {
#ifdef Q_OS_WIN
    return std::make_unique<Imm>();
#else
    const QString module = qEnvironmentVariable("QT_IM_MODULE");
    if (module.startsWith(QLatin1String("fcitx"))) {
        return std::make_unique<Fcitx5>();
    }
    if (module == QLatin1String("ibus")) {
        return std::make_unique<IBus>();
    }
    return nullptr;
#endif
}

} // namespace

QtInputMethod::QtInputMethod() : framework_(PlatformFramework()) {}

QtInputMethod::~QtInputMethod() = default;

void QtInputMethod::setMode(QWidget& box, Mode mode) {
    if (mode == kOn && framework_ != nullptr) {
        box.installEventFilter(this);
    }
}

bool QtInputMethod::eventFilter(QObject* watched, QEvent* event) {
    // A menu closing hands the focus back without the user having gone anywhere: the input
    // method stays as the user left it.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        framework_->SwitchOn(*static_cast<QWidget*>(watched));
    }
    return false;
}

} // namespace quilvane
