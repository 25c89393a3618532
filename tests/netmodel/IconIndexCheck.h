#pragma once

// The reference for a document's icon list and index by id: a walk of its
// objects in list order, as the document answered before it kept an index.

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneObj.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace corvane::test {

// Whether the document's Icons() and FindIconById answer as the walk does,
// for every id an icon has, for the ids its links name, and for 0, 65535
// and an id next to each of them.
inline ::testing::AssertionResult IconIndexMatchesObjects(const CCorvaneDoc& doc)
{
    std::vector<CCorvaneIcon*> walked;
    for (const std::unique_ptr<CCorvaneObj>& object : doc.GetObjects())
        if (auto* icon = dynamic_cast<CCorvaneIcon*>(object.get()))
            walked.push_back(icon);
    if (doc.Icons() != walked)
        return ::testing::AssertionFailure() << "Icons() differs from the icons in list order";
    std::set<std::uint16_t> ids{0, 65535};
    for (CCorvaneIcon* icon : walked) {
        for (const std::uint16_t id : {icon->UniqueId(), static_cast<std::uint16_t>(icon->UniqueId() + 1)})
            ids.insert(id);
        for (const InputLink& link : icon->GetInputLinks())
            ids.insert(link.sourceId);
    }
    for (const std::uint16_t id : ids) {
        CCorvaneIcon* first = nullptr;
        for (CCorvaneIcon* icon : walked)
            if (id != 0 && icon->UniqueId() == id) {
                first = icon;
                break;
            }
        if (doc.FindIconById(id) != first)
            return ::testing::AssertionFailure() << "FindIconById(" << id << ") differs from the first icon with it";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace corvane::test
