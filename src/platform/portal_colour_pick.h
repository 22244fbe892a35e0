#pragma once

#include "colour/rgb.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

namespace quilvane {

// The desktop portal's colour pick (its Screenshot interface, version 2 or later) on the session
// bus: the desktop draws the picker, so it works on Wayland too.
class PortalColourPick : public QObject {
    Q_OBJECT
public:
    // Whether the session's portal can pick; asked once, without blocking, then kept.
    void probe(std::function<void(bool)> answer);
    // Asks the portal for a pick over the window `parent` ("x11:<id>", or empty).
    void pick(const QString& parent, std::function<void(std::optional<Rgb>)> done);

private slots:
    // The portal's answer to a pick: 0 with the colour, else cancelled or failed.
    void Response(uint response, const QVariantMap& results);

private:
    // Listens to the answers of the request under way, or stops.
    void Listen(bool on);
    void Finish(std::optional<Rgb> colour);

    std::optional<bool> available_;
    int picks_ = 0;
    QString request_; // the object the answer to the pick under way comes from
    std::function<void(std::optional<Rgb>)> done_;
};

} // namespace quilvane
