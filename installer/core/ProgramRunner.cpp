#include "installer/core/ProgramRunner.h"

#include "common/win32/Handles.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace setup {
namespace {

bool namesProgram(const std::string& path) {
    return path.find(".exe") != std::string::npos || path.find(".bat") != std::string::npos;
}

void openDocument(const RunAppRecord& program) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // A document the shell cannot open is passed over: no error box may stop
    // the installer while nobody is asked anything.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = program.path.c_str();
    info.lpParameters = program.parameters.c_str();
    info.nShow = program.showCommand;
    if (!::ShellExecuteExA(&info)) return;
    win32::UniqueKernelHandle process(info.hProcess);
    if (process && program.flags == 0) ::WaitForSingleObject(process.get(), INFINITE);
}

bool startProgram(const RunAppRecord& program) {
    std::string commandLine = "\"" + program.path + "\"";
    if (!program.parameters.empty()) commandLine += " " + program.parameters;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(program.showCommand);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          program.workingFolder.empty() ? nullptr : program.workingFolder.c_str(), &startup,
                          &started))
        return true;
    win32::UniqueKernelHandle process(started.hProcess);
    win32::UniqueKernelHandle thread(started.hThread);
    if (!(program.flags & RunAppRecord::noWait)) ::WaitForSingleObject(process.get(), INFINITE);
    if (program.flags & RunAppRecord::takeExitCode) {
        DWORD exitCode = 0;
        if (::GetExitCodeProcess(process.get(), &exitCode) && exitCode != 0) return false;
    }
    return true;
}

}  // namespace

bool runProgram(const RunAppRecord& program) {
    if (!namesProgram(program.path)) {
        openDocument(program);
        return true;
    }
    return startProgram(program);
}

bool runBeforeInstall(const RunAppRecord* program) { return program ? runProgram(*program) : true; }

void runAfterInstall(std::string_view command) {
    if (!command.empty()) runProgram(RunAppRecord::parse(command));
}

}  // namespace setup
