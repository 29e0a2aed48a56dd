#include "ibusinputmethod.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString ConnectionName = QStringLiteral("velmoruc-ibus");
const QString Service = QStringLiteral("org.freedesktop.IBus");
const QString Path = QStringLiteral("/org/freedesktop/IBus");
const QString Interface = QStringLiteral("org.freedesktop.IBus");
// A daemon that does not answer within this time counts as absent: the focus change
// that asked must not hang.
constexpr int CallTimeout = 1000;

// The address file's name, as the daemon forms it: machine id, host and display
// number ("<id>-unix-0" for DISPLAY=:0), the Wayland display taking precedence.
QString addressFileName()
{
    QString host = QStringLiteral("unix");
    QString number = QStringLiteral("0");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        number = wayland;
    } else {
        const QString display = qEnvironmentVariable("DISPLAY");
        const qsizetype colon = display.indexOf(u':');
        if (colon >= 0) {
            if (colon > 0)
                host = display.left(colon);
            number = display.mid(colon + 1).section(u'.', 0, 0);
        } else if (!display.isEmpty()) {
            host = display;
        }
    }
    return QString::fromLatin1(QDBusConnection::localMachineId()) + u'-' + host + u'-' + number;
}

QVariant unwrapVariants(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

// An IBusEngineDesc travels as a structure: its type name, its attachments, then
// the engine's name and the rest.
QString engineName(const QVariant &desc)
{
    const QVariant value = unwrapVariants(desc);
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const QDBusArgument arg = qvariant_cast<QDBusArgument>(value);
    if (arg.currentType() != QDBusArgument::StructureType)
        return {};
    QString type, name;
    QVariantMap attachments;
    arg.beginStructure();
    arg >> type >> attachments >> name;
    arg.endStructure();
    return type == QStringLiteral("IBusEngineDesc") ? name : QString();
}

QDBusMessage getProperty(const QString &property)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << Interface << property;
    return QDBusConnection(ConnectionName).call(call, QDBus::Block, CallTimeout);
}

} // namespace

IBusInputMethod::IBusInputMethod() = default;

IBusInputMethod::~IBusInputMethod()
{
    if (m_connected)
        QDBusConnection::disconnectFromBus(ConnectionName);
}

QString IBusInputMethod::busAddress()
{
    const QString fromEnvironment = qEnvironmentVariable("IBUS_ADDRESS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile file(config + QStringLiteral("/ibus/bus/") + addressFileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QByteArray key = "IBUS_ADDRESS=";
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(key))
            return QString::fromUtf8(line.mid(key.size()));
    }
    return {};
}

bool IBusInputMethod::connect() const
{
    // Read again each time: the daemon may have been started, stopped or restarted
    // since the last field asked.
    const QString address = busAddress();
    if (m_connected && (address != m_address || !QDBusConnection(ConnectionName).isConnected())) {
        QDBusConnection::disconnectFromBus(ConnectionName);
        m_connected = false;
    }
    if (address.isEmpty())
        return false;
    if (!m_connected) {
        m_address = address;
        m_connected = true;
        if (!QDBusConnection::connectToBus(address, ConnectionName).isConnected()) {
            QDBusConnection::disconnectFromBus(ConnectionName);
            m_connected = false;
        }
    }
    return m_connected;
}

QString IBusInputMethod::currentLayout() const
{
    if (!connect())
        return {};
    const QDBusMessage reply = getProperty(QStringLiteral("GlobalEngine"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return engineName(reply.arguments().constFirst());
}

QStringList IBusInputMethod::availableLayouts() const
{
    if (!connect())
        return {};
    const QDBusMessage reply = getProperty(QStringLiteral("Engines"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant value = unwrapVariants(reply.arguments().constFirst());
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const QDBusArgument arg = qvariant_cast<QDBusArgument>(value);
    QStringList names;
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant desc;
        arg >> desc;
        const QString name = engineName(desc.variant());
        if (!name.isEmpty())
            names.append(name);
    }
    arg.endArray();
    names.sort();
    return names;
}

bool IBusInputMethod::selectLayout(const QString &layout)
{
    if (layout.isEmpty() || !connect())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("SetGlobalEngine"));
    call << layout;
    const QDBusMessage reply =
        QDBusConnection(ConnectionName).call(call, QDBus::Block, CallTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}
