#include "toolkit/resources.h"

#include <QFile>
#include <stdexcept>

namespace {

QString PathOf(const String& name) { return QStringLiteral(":/resources/") + QString::fromStdString(name); }

}  // namespace

bool HasResource(const String& name) { return QFile::exists(PathOf(name)); }

String ReadResource(const String& name) {
    QFile file(PathOf(name));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Embedded resource not found: " + name);
    QByteArray bytes = file.readAll();
    return String(bytes.constData(), std::size_t(bytes.size()));
}
