// The corvane program: the shell with the Communication Window and the net
// editor, and stand-ins of the parts that are still to come.

#include "app/CCorvaneApp.h"
#include "app/NetEditorAssembly.h"
#include "app/PlaceholderNeighbours.h"
#include "platform/Application.h"
#include "platform/Clock.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    corvane::Application app(arguments);

    corvane::CorvaneAppOptions options;
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        options.executable = self;
    }
    corvane::ShellNeighbours neighbours = corvane::MakePlaceholderNeighbours();
    corvane::InstallProgramWindows(neighbours, corvane::ProgramDevicePlaces());
    corvane::CCorvaneApp corvaneApp(app, std::move(neighbours), options);
    switch (corvaneApp.InitInstance()) {
    case corvane::CCorvaneApp::StartResult::Running:
        return corvaneApp.Run();
    case corvane::CCorvaneApp::StartResult::SecondInstance:
        return 0;
    case corvane::CCorvaneApp::StartResult::Failed:
        break;
    }
    return 1;
}
