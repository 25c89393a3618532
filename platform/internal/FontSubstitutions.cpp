#include "platform/internal/FontSubstitutions.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>

namespace corvane::internal {
namespace {

struct Substitution {
    const char* wanted;
    const char* standIn;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", "Liberation Sans"},
};

}  // namespace

void RegisterFontSubstitutions()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    for (const Substitution& substitution : kSubstitutions) {
        const QString wanted = QString::fromLatin1(substitution.wanted);
        const QString standIn = QString::fromLatin1(substitution.standIn);
        if (!QFontDatabase::hasFamily(wanted) && QFontDatabase::hasFamily(standIn))
            QFont::insertSubstitution(wanted, standIn);
    }
}

}  // namespace corvane::internal
