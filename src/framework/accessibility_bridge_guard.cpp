// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/accessibility_bridge_guard.h"

#ifdef TORVAK_ATSPI_BRIDGE

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QHash>
#include <QLoggingCategory>
#include <QXmlStreamReader>

namespace {

Q_LOGGING_CATEGORY(lcGuard, "torvak.accessibility")

// What Qt's bridge registers on the accessibility bus, and the name it keeps
// the connection under.
const QString kBus = QStringLiteral("a11y");
const QString kObjects = QStringLiteral("/org/a11y/atspi/accessible");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kAtSpi = QStringLiteral("org.a11y.atspi.");

// The interfaces an object offers, each with how many arguments its methods
// take, as the bridge's own introspection of that object declares them.
using Methods = QHash<QString, int>;
QHash<QString, Methods> offeredInterfaces(const QString& introspection) {
  QHash<QString, Methods> offered;
  QXmlStreamReader xml(QStringLiteral("<node>") + introspection + QStringLiteral("</node>"));
  QString interface;
  QString method;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.attributes().value(QLatin1String("name")).toString();
    if (xml.name() == QLatin1String("interface")) {
      interface = name;
      offered[interface];
    } else if (xml.name() == QLatin1String("method")) {
      method = name;
      offered[interface][method] = 0;
    } else if (xml.name() == QLatin1String("arg") &&
               xml.attributes().value(QLatin1String("direction")) == QLatin1String("in")) {
      ++offered[interface][method];
    }
  }
  return offered;
}

// How many arguments the bridge reads, where that is more than the method's
// declaration says: Qt 6.4 handles a direct SetCurrentValue as if it were
// the Properties call that sets CurrentValue.
int argumentsRead(const QString& interface, const QString& method, int declared) {
  if (interface == QLatin1String("org.a11y.atspi.Value") &&
      method == QLatin1String("SetCurrentValue")) {
    return 3;
  }
  return declared;
}

// Stands in front of the bridge's object tree. A call the bridge could not
// take safely gets a D-Bus error here; every other goes to the bridge as it
// came, so a client that asks property by property (Orca, libatspi) is
// served as before.
class CallFilter : public QDBusVirtualObject {
 public:
  explicit CallFilter(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {}

  QString introspect(const QString& path) const override { return bridge_->introspect(path); }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (const QString why = refusal(message); !why.isEmpty()) {
      return connection.send(message.createErrorReply(QDBusError::NotSupported, why));
    }
    return bridge_->handleMessage(message, connection);
  }

 private:
  // Why the bridge must not see `message`; empty when it may.
  QString refusal(const QDBusMessage& message) const {
    const qsizetype count = message.arguments().size();
    QString interface = message.interface();
    QString method = message.member();
    int needed = 0;
    if (interface == kProperties) {
      if (method == QLatin1String("GetAll")) {
        return QStringLiteral("GetAll is not answered here; ask for each property with Get");
      }
      needed = method == QLatin1String("Set") ? 3 : 2;
      if (count < needed) return QStringLiteral("%1 takes %2 argument(s)").arg(method).arg(needed);
      interface = message.arguments().at(0).toString();
      method.clear();
    }
    if (!interface.startsWith(kAtSpi)) return {};
    const QHash<QString, Methods> offered = offeredInterfaces(bridge_->introspect(message.path()));
    // An object the bridge does not know it refuses itself.
    if (offered.isEmpty()) return {};
    const auto found = offered.constFind(interface);
    if (found == offered.constEnd()) {
      return QStringLiteral("%1 does not offer %2").arg(message.path(), interface);
    }
    if (method.isEmpty()) return {};
    const auto declared = found->constFind(method);
    if (declared == found->constEnd()) return {};
    needed = argumentsRead(interface, method, *declared);
    if (count < needed) return QStringLiteral("%1 takes %2 argument(s)").arg(method).arg(needed);
    return {};
  }

  QDBusVirtualObject* bridge_;
};

// Puts the filter in front of the bridge's objects once the bridge has
// registered them.
void placeFilter() {
  QDBusConnection bus(kBus);
  if (!bus.isConnected()) return;
  QObject* registered = bus.objectRegisteredAt(kObjects);
  if (dynamic_cast<CallFilter*>(registered)) return;
  auto* bridge = qobject_cast<QDBusVirtualObject*>(registered);
  if (!bridge) return;
  auto* filter = new CallFilter(bridge);
  bus.unregisterObject(kObjects);
  if (!bus.registerVirtualObject(kObjects, filter, QDBusConnection::SubPath)) {
    qCWarning(lcGuard) << "could not stand in front of the accessibility bridge";
    bus.registerVirtualObject(kObjects, bridge, QDBusConnection::SubPath);
    delete filter;
  }
}

// The bridge switches accessibility on first and registers its objects just
// after, in the same call: the filter goes in once that call has returned.
class BridgeWatch : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override {
    if (active) QMetaObject::invokeMethod(qApp, &placeFilter, Qt::QueuedConnection);
  }
};

}  // namespace

void accessibility_bridge_guard::install() {
  static BridgeWatch watch;
  QAccessible::installActivationObserver(&watch);
  // The bridge may have been switched on already, while the application
  // object was made.
  QMetaObject::invokeMethod(qApp, &placeFilter, Qt::QueuedConnection);
}

#else

void accessibility_bridge_guard::install() {}

#endif
