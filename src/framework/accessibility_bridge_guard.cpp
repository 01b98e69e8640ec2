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

// How many arguments each method of each interface takes, as the bridge's
// own introspection of an object declares them.
using Methods = QHash<QString, int>;
void learnDeclarations(const QString& introspection, QHash<QString, Methods>& declared) {
  QXmlStreamReader xml(QStringLiteral("<node>") + introspection + QStringLiteral("</node>"));
  QString interface;
  QString method;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.attributes().value(QLatin1String("name")).toString();
    if (xml.name() == QLatin1String("interface")) {
      interface = name;
      declared[interface];
    } else if (xml.name() == QLatin1String("method")) {
      method = name;
      declared[interface][method] = 0;
    } else if (xml.name() == QLatin1String("arg") &&
               xml.attributes().value(QLatin1String("direction")) == QLatin1String("in")) {
      ++declared[interface][method];
    }
  }
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

QString takes(const QString& method, int arguments) {
  return QStringLiteral("%1 takes %2 argument(s)").arg(method).arg(arguments);
}

// Stands in front of the bridge's object tree. A call the bridge would read
// past the end of gets a D-Bus error here; every other goes to the bridge as
// it came, so a client that asks property by property (Orca, libatspi) is
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
  QString refusal(const QDBusMessage& message) {
    const qsizetype count = message.arguments().size();
    const QString interface = message.interface();
    const QString method = message.member();
    if (interface == kProperties) {
      if (method == QLatin1String("GetAll")) {
        return QStringLiteral("GetAll is not answered here; ask for each property with Get");
      }
      const int needed = method == QLatin1String("Set") ? 3 : 2;
      return count < needed ? takes(method, needed) : QString();
    }
    if (!interface.startsWith(kAtSpi)) return {};
    // The declarations are the same for every object: learnt once.
    if (!declared_.contains(interface)) {
      learnDeclarations(bridge_->introspect(message.path()), declared_);
    }
    const int needed = argumentsRead(interface, method, declared_.value(interface).value(method));
    return count < needed ? takes(method, needed) : QString();
  }

  QDBusVirtualObject* bridge_;
  QHash<QString, Methods> declared_;
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
