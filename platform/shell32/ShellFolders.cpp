#include "ShellFolders.h"

#include <windows.h>

#include <shlobj.h>

namespace {

std::string Profile() {
  char user[256];
  DWORD size = sizeof user;
  return std::string("C:\\Documents and Settings\\") + (GetUserNameA(user, &size) ? user : "user");
}

}  // namespace

bool ShellFolders::IsVirtual(int csidl) {
  switch (csidl & 0xFF) {
    case CSIDL_INTERNET:
    case CSIDL_CONTROLS:
    case CSIDL_PRINTERS:
    case CSIDL_BITBUCKET:
    case CSIDL_DRIVES:
    case CSIDL_NETWORK:
      return true;
    default:
      return false;
  }
}

bool ShellFolders::Path(int csidl, std::string& path) {
  const std::string profile = Profile();
  const std::string common = "C:\\Documents and Settings\\All Users";
  switch (csidl & 0xFF) {
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY: path = profile + "\\Desktop"; break;
    case CSIDL_PROGRAMS: path = profile + "\\Start Menu\\Programs"; break;
    case CSIDL_PERSONAL: path = profile + "\\My Documents"; break;
    case CSIDL_FAVORITES: path = profile + "\\Favorites"; break;
    case CSIDL_STARTUP: path = profile + "\\Start Menu\\Programs\\Startup"; break;
    case CSIDL_RECENT: path = profile + "\\Recent"; break;
    case CSIDL_SENDTO: path = profile + "\\SendTo"; break;
    case CSIDL_STARTMENU: path = profile + "\\Start Menu"; break;
    case CSIDL_NETHOOD: path = profile + "\\NetHood"; break;
    case CSIDL_FONTS: path = "C:\\WINDOWS\\Fonts"; break;
    case CSIDL_TEMPLATES: path = profile + "\\Templates"; break;
    case CSIDL_COMMON_STARTMENU: path = common + "\\Start Menu"; break;
    case CSIDL_COMMON_PROGRAMS: path = common + "\\Start Menu\\Programs"; break;
    case CSIDL_COMMON_STARTUP: path = common + "\\Start Menu\\Programs\\Startup"; break;
    case CSIDL_COMMON_DESKTOPDIRECTORY: path = common + "\\Desktop"; break;
    case CSIDL_APPDATA: path = profile + "\\Application Data"; break;
    case CSIDL_PRINTHOOD: path = profile + "\\PrintHood"; break;
    case CSIDL_LOCAL_APPDATA: path = profile + "\\Local Settings\\Application Data"; break;
    case CSIDL_COMMON_APPDATA: path = common + "\\Application Data"; break;
    case CSIDL_WINDOWS: path = "C:\\WINDOWS"; break;
    case CSIDL_SYSTEM: path = "C:\\WINDOWS\\SYSTEM"; break;
    case CSIDL_PROGRAM_FILES: path = "C:\\Program Files"; break;
    case CSIDL_MYPICTURES: path = profile + "\\My Documents\\My Pictures"; break;
    case CSIDL_PROFILE: path = profile; break;
    case CSIDL_PROGRAM_FILES_COMMON: path = "C:\\Program Files\\Common Files"; break;
    default: return false;
  }
  return true;
}
