#include "platform/internal/FontSubstitutions.h"

#include <QCoreApplication>
#include <QFont>
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
    // The toolkit turns to a substitute only when the face asked for is not
    // installed, and passes over a substitute that is not installed either:
    // registering each pair as it is gives what asking the font database
    // first would, without reading the machine's fonts while the program
    // starts.
    for (const Substitution& substitution : kSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(substitution.wanted), QString::fromLatin1(substitution.standIn));
}

}  // namespace corvane::internal
