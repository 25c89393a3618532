#include "platform/FontFaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace corvane {

std::vector<std::string> ListFontFaces()
{
    std::vector<std::string> faces;
    for (const QString& family : QFontDatabase::families())
        faces.push_back(family.toStdString());
    return faces;
}

}  // namespace corvane
