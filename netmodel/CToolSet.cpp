#include "netmodel/CToolSet.h"

#include "netmodel/CConnectionTool.h"
#include "netmodel/CCtrlTool.h"
#include "netmodel/CSelectTool.h"

namespace corvane {

CToolSet::CToolSet()
{
    tools_.push_back(std::make_unique<CCtrlTool>(*this));
    tools_.push_back(std::make_unique<CSelectTool>(*this));
    tools_.push_back(std::make_unique<CConnectionTool>(*this, tool_kind::kConnect));
    tools_.push_back(std::make_unique<CConnectionTool>(*this, tool_kind::kRectangle));
}

CToolSet::~CToolSet() = default;

CCorvaneTool* CToolSet::FindTool(int kind) const
{
    for (const auto& tool : tools_) {
        if (tool->Kind() == kind)
            return tool.get();
    }
    return nullptr;
}

}  // namespace corvane
