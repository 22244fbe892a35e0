#include "portal_colour_pick.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <utility>

namespace quilvane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr int kReplyTimeoutMs = 5000; // a portal that starts on demand takes a moment

} // namespace

void PortalColourPick::probe(std::function<void(bool)> answer) {
    if (available_) {
        answer(*available_);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        available_ = false;
        answer(false);
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kScreenshot << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, answer = std::move(answer)](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QDBusVariant> reply = *call;
                call->deleteLater();
                // PickColor came with version 2 of the interface.
                available_ = reply.isValid() && reply.value().variant().toUInt() >= 2;
                answer(*available_);
            });
}

void PortalColourPick::pick(const QString& parent, std::function<void(std::optional<Rgb>)> done) {
    done_ = std::move(done);
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The answer comes as a signal of a request object whose path the token fixes; listening
    // before the call means an answer sent at once is not missed.
    const QString token = QStringLiteral("quilvane%1").arg(++picks_);
    request_ = QStringLiteral("%1/request/%2/%3")
                   .arg(kPath, bus.baseService().mid(1).replace('.', '_'), token);
    Listen(true);
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("PickColor"));
    call << parent << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                const QDBusPendingReply<QDBusObjectPath> reply = *call;
                call->deleteLater();
                if (!reply.isValid()) {
                    Finish(std::nullopt);
                } else if (reply.value().path() != request_) {
                    // An older portal chooses the path itself.
                    Listen(false);
                    request_ = reply.value().path();
                    Listen(true);
                }
            });
}

void PortalColourPick::Response(uint response, const QVariantMap& results) {
    const QVariant colour = results.value(QStringLiteral("color"));
    if (response != 0 || !colour.canConvert<QDBusArgument>()) {
        Finish(std::nullopt);
        return;
    }
    double red = 0;
    double green = 0;
    double blue = 0;
    const auto fractions = colour.value<QDBusArgument>();
    fractions.beginStructure();
    fractions >> red >> green >> blue;
    fractions.endStructure();
    Finish(RgbFromFractions(red, green, blue));
}

void PortalColourPick::Listen(bool on) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString signal = QStringLiteral("Response");
    const char* slot = SLOT(Response(uint, QVariantMap));
    on ? bus.connect(kService, request_, kRequest, signal, this, slot)
       : bus.disconnect(kService, request_, kRequest, signal, this, slot);
}

void PortalColourPick::Finish(std::optional<Rgb> colour) {
    Listen(false);
    request_.clear();
    if (auto done = std::exchange(done_, nullptr)) {
        done(colour);
    }
}

} // namespace quilvane
