#include "src/errors/CErrorClient.h"

#include <array>

#include "src/component/Component.h"
#include "src/errors/LogFilePath.h"
#include "src/errors/Procedure.h"
#include "src/platform/MessageBoxStyle.h"

namespace pwk {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kDefaultSuggestion = "Contact your System Administrator";
constexpr const char* kCloseOthers = "Close any other applications and try again";
constexpr int kNormalWindow = 1;

struct ErrorTextRow {
    std::int32_t From;
    std::int32_t To;
    const char* Description;
    const char* Suggestion;  // nullptr: the default suggestion
};

// The failures the add-in words for its users; ranges include both ends.
constexpr std::array kErrorTexts = {
    ErrorTextRow{7, 7, "System Resource Error", kCloseOthers},
    ErrorTextRow{14, 14, "System Resource Error", kCloseOthers},
    ErrorTextRow{47, 47, "System Resource Error", kCloseOthers},
    ErrorTextRow{260, 260, "System Resource Error", kCloseOthers},
    ErrorTextRow{298, 298, "System Configuration or System Resource Error", kCloseOthers},
    ErrorTextRow{48, 49, "System Configuration Error", nullptr},
    ErrorTextRow{336, 338, "System Configuration Error", nullptr},
    ErrorTextRow{368, 368, "System Configuration Error", nullptr},
    ErrorTextRow{429, 430, "System Configuration Error", nullptr},
    ErrorTextRow{432, 432, "System Configuration Error", nullptr},
    ErrorTextRow{438, 438, "System Configuration Error", nullptr},
    ErrorTextRow{440, 440, "System Configuration Error", nullptr},
    ErrorTextRow{443, 443, "System Configuration Error", nullptr},
    ErrorTextRow{445, 450, "System Configuration Error", nullptr},
    ErrorTextRow{52, 55, "File or Disk Access Error", nullptr},
    ErrorTextRow{57, 59, "File or Disk Access Error", nullptr},
    ErrorTextRow{62, 63, "File or Disk Access Error", nullptr},
    ErrorTextRow{67, 67, "File or Disk Access Error", nullptr},
    ErrorTextRow{74, 76, "File or Disk Access Error", nullptr},
    ErrorTextRow{320, 322, "File or Disk Access Error", nullptr},
    ErrorTextRow{70, 70, "File or Other Permissions Error", nullptr},
    ErrorTextRow{419, 419, "File or Other Permissions Error", nullptr},
    ErrorTextRow{61, 61, "Disk Full", "Free some disk space and try again"},
    ErrorTextRow{3026, 3026, "Disk Full", "Free some disk space and try again"},
    ErrorTextRow{3336, 3336, "Disk Full", "Free some disk space and try again"},
    ErrorTextRow{68, 68, "Disk or Device Not Ready",
                 "Ensure a Disk is Inserted and Check the Device is Attached"},
    ErrorTextRow{71, 71, "Disk or Device Not Ready",
                 "Ensure a Disk is Inserted and Check the Device is Attached"},
    ErrorTextRow{462, 462, "Network Connection Failure", nullptr},
    ErrorTextRow{482, 484, "Printer Error", nullptr},
    ErrorTextRow{486, 486, "Printer Not Capable", "Select another Printer and try again"},
    ErrorTextRow{536, 536, "Database Resource In Use", "Try again later"},
    ErrorTextRow{541, 541, "Database Resource In Use", "Try again later"},
    ErrorTextRow{735, 735, "System TEMP Directory Error",
                 "Verify System TEMP directory exists and Disk has sufficient free space, then "
                 "try again"},
    ErrorTextRow{3001, 3001, "Database Access Error", nullptr},
    ErrorTextRow{3021, 3021, "Database Access Error", nullptr},
    ErrorTextRow{3219, 3219, "Database Access Error", nullptr},
    ErrorTextRow{3246, 3246, "Database Access Error", nullptr},
    ErrorTextRow{3251, 3251, "Database Access Error", nullptr},
    ErrorTextRow{3265, 3265, "Database Access Error", nullptr},
    ErrorTextRow{3367, 3367, "Database Access Error", nullptr},
    ErrorTextRow{3420, 3421, "Database Access Error", nullptr},
    ErrorTextRow{3600, 3600, "Database Access Error", nullptr},
    ErrorTextRow{3704, 3709, "Database Access Error", nullptr},
    ErrorTextRow{16389, 16389, "Database Connection Failure", nullptr},
};

// The service-pack text ends at its first NUL and holds at most 128 characters.
std::string ServicePack(const std::string& text) {
    return text.substr(0, std::min<std::size_t>(text.find('\0'), 128));
}

std::string Windows9xName(std::uint32_t minorVersion) {
    switch (minorVersion) {
        case 0:
            return "Windows 95";
        case 10:
            return "Windows 98";
        case 90:
            return "Windows Me";
        default:
            return "Unknown Win32";
    }
}

std::string WindowsNtName(const std::string& version) {
    if (version == "5.1") {
        return "Whistler";
    }
    return version == "5.0" ? "Windows 2000" : "Windows NT";
}

}  // namespace

// Diagnostics must never fail a failure report: each line is written on its own, and a line
// that fails is left out.
void CErrorClient::GetDiagnostics(std::string& /*diagnostics*/) {
    ErrorLibrary* errors = component_.ErrorObject().get();
    if (errors == nullptr) {
        return;
    }
    auto log = [errors](const std::string& line) {
        Procedure::Ignoring([&] { errors->LogText(line); });
    };
    Procedure::Ignoring([&] { LogOperatingSystem(*errors); });
    const Version version = component_.version();
    log(std::string("Application Version") + kCrLf);
    log("  Major          = " + std::to_string(version.Major));
    log("  Minor          = " + std::to_string(version.Minor));
    log("  Revision       = " + std::to_string(version.Revision) + kCrLf);
    log("Outlook version: " + component_.OutlookVersion);
    log("Outlook product code: " + component_.OutlookProductCode);
}

void CErrorClient::LogOperatingSystem(ErrorLibrary& errors) {
    const std::optional<OsVersionInfo> os = component_.platform().GetVersionEx();
    if (!os) {
        return;
    }
    auto log = [&errors](const std::string& line) {
        Procedure::Ignoring([&] { errors.LogText(line); });
    };
    log(std::string("Operating System") + kCrLf);
    const std::string version =
        std::to_string(os->MajorVersion) + "." + std::to_string(os->MinorVersion);
    const std::string servicePack = ServicePack(os->CSDVersion);
    if (os->PlatformId == 2) {
        log("  Platform       = " + WindowsNtName(version));
        log("  Version        = " + version);
        log("  Build          = " + std::to_string(os->BuildNumber));
        log("  Service Pack   = " + servicePack + kCrLf);
    } else if (os->PlatformId == 1) {
        log("  Platform       = " + Windows9xName(os->MinorVersion));
        log("  Version        = " + version);
        log("  Build          = " + std::to_string(os->BuildNumber & 0xFFFFu) + servicePack +
            kCrLf);
    }
}

void CErrorClient::GetErrorText(std::int32_t error, std::string& description,
                                std::string& suggestion, std::string& notes) {
    suggestion = kDefaultSuggestion;
    for (const ErrorTextRow& row : kErrorTexts) {
        if (error >= row.From && error <= row.To) {
            description = row.Description;
            if (row.Suggestion != nullptr) {
                suggestion = row.Suggestion;
            }
            break;
        }
    }
    notes = std::string("Detailed diagnostics for this error have been logged, ") +
            "if the problem persists contact technical support";
}

void CErrorClient::NotifyError(const std::string&, const std::string&, const std::string&, int, int,
                               std::int32_t, std::int32_t, const std::string&, const std::string&,
                               int& /*action*/) {
    ErrorLibrary& errors = component_.Errors();
    errors.ClearCustomButtons(0);
    errors.SetCustomButtonCaption(1, "View Log");
    errors.SetCustomButtonToolTip(1, "Opens notepad");
    errors.SetShowCustomButtons(true);
    errors.SetCustomFrameCaption("Reporting Tools");
}

void CErrorClient::CustomClick(std::int16_t& index) {
    if (index != 1) {
        return;
    }
    ErrorLibrary& errors = component_.Errors();
    component_.platform().Shell(
        "Notepad.exe " + LogFilePath(errors.LogPath(), errors.LogFilename()), kNormalWindow);
}

void CErrorClient::EndApplication() {
    component_.platform().MsgBox(std::string("The Parleywick add-in has failed.  Please close ") +
                                     "Outlook and kill the OUTLOOK.EXE process using Task " +
                                     "Manager, or restart " + "your computer.",
                                 MsgBoxStyle::Critical | MsgBoxStyle::OkOnly, "Parleywick");
    component_.StopAddin();
}

}  // namespace pwk
