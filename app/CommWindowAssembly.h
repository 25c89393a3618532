#pragma once

#include "app/CommWindowShellServices.h"

#include <functional>
#include <memory>

namespace corvane {

class CCorvaneApp;
class DocTemplate;
class EditorEnvironment;

// The Communication Window as the shell puts it together: its services
// over the application object and the template of its document, frame and
// view, whose view shares the program's editing environment.
class CommWindowAssembly {
public:
    CommWindowAssembly(CCorvaneApp& app, EditorEnvironment& environment, CommWindowShellServices::Places places,
        std::function<void()> updateNetIconBar);

    std::unique_ptr<DocTemplate> MakeTemplate();
    CommWindowShellServices& Services() { return services_; }

private:
    EditorEnvironment& environment_;
    CommWindowShellServices services_;
};

}  // namespace corvane
