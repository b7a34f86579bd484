// Unit LMDConst: the library's named resource strings (English texts).
#pragma once

#include <System.h>

#include <array>
#include <string_view>

inline constexpr const char* IDS_INVALIDOWNER = "Invalid owner (<>TForm) or second instance on a form";
inline constexpr const char* IDS_INTERVALNOTFIT = "Interval not compatible with MinInterval property!";
inline constexpr const char* IDS_PATH = "Path";
inline constexpr const char* IDS_ON = "On";
inline constexpr const char* IDS_OFF = "Off";
inline constexpr const char* IDS_ADDSECTION = "Add section";
inline constexpr const char* IDS_DELSECTION = "Delete section";
inline constexpr const char* IDS_RENSECTION = "Rename section";
inline constexpr const char* IDS_ADDITEM = "Add item";
inline constexpr const char* IDS_DELITEM = "Delete item";
inline constexpr const char* IDS_RENITEM = "Rename item";
inline constexpr const char* IDS_SMALLICONS = "Small icons";
inline constexpr const char* IDS_LARGEICONS = "Large icons";
inline constexpr const char* IDS_CALCAPTION = "Calendar";
inline constexpr const char* IDS_ACTUALDATE = "Today";
inline constexpr const char* IDS_INSERT = "Insert";
inline constexpr const char* IDS_COPY = "Copy";
inline constexpr const char* IDS_CUT = "Cut";
inline constexpr const char* IDS_UNDO = "Undo";
inline constexpr const char* IDS_SELECTALL = "Select all";
inline constexpr const char* IDS_DELETE = "Delete";
inline constexpr const char* IDS_SEARCH = "Search";
inline constexpr const char* IDS_SEARCHMSG1 = "Search text not found.";
inline constexpr const char* IDS_SEARCHMSG2 = "Replace this occurrence?";
inline constexpr const char* IDS_REPLACE = "Replace";
inline constexpr const char* IDS_WORDWRAP = "Word wrap";
inline constexpr const char* IDS_LINED = "Lined";
inline constexpr const char* IDS_REDO = "Redo";
inline constexpr const char* IDS_FONT = "Font";
inline constexpr const char* IDS_CLEAR = "Clear";
inline constexpr const char* IDS_ALIGNLEFT = "Align left";
inline constexpr const char* IDS_ALIGNRIGHT = "Align right";
inline constexpr const char* IDS_ALIGNCENTER = "Center";
inline constexpr const char* IDS_STATISTICS = "Statistics";
inline constexpr const char* IDS_OPEN = "Open";
inline constexpr const char* IDS_SAVE = "Save";
inline constexpr const char* IDS_PRINT = "Print";
inline constexpr const char* IDS_PAGE = "Page";
inline constexpr const char* IDS_EDIT = "Edit";
inline constexpr const char* IDS_MUSTSHOWONE = "At least one item must be shown.";
inline constexpr const char* IDS_NEXT = "&Next >";
inline constexpr const char* IDS_BACK = "< &Back";
inline constexpr const char* IDS_FINISH = "&Finish";
inline constexpr const char* IDS_HELP = "&Help";
inline constexpr const char* IDS_CLOSE = "&Close";
inline constexpr const char* IDS_CANCEL = "Cancel";
inline constexpr const char* IDS_PROPERTYNOTUSED = "Property not used";
inline constexpr const char* IDS_CLEARLIST = "Clear list";
inline constexpr const char* IDS_CLEARLISTHINT = "Removes all entries from the list";
inline constexpr const char* IDS_CLEARLISTREQUEST = "Remove all entries from the list?";
inline constexpr const char* IDS_ALREADYSTARTED = "The application is already running.";
inline constexpr const char* IDS_AboutInfo = "Information";
inline constexpr const char* IDS_AboutAvailMemory = "Available memory:";
inline constexpr const char* IDS_AboutSysRes = "System resources:";
inline constexpr const char* IDS_AboutCompatible = "Compatible with:";
inline constexpr const char* IDS_AboutPlatform = "Platform:";
inline constexpr const char* IDS_FREE = "free";
inline constexpr const char* IDS_DIRCAPTION = "Select folder";
inline constexpr const char* IDS_DIRDRIVE = "Drive:";
inline constexpr const char* IDS_DIRPATH = "Folder:";
inline constexpr const char* IDS_NEWPATH = "New folder";
inline constexpr const char* IDS_TIPERROR = "No tips available.";
inline constexpr const char* IDS_SHOWATSTART = "&Show tips at startup";
inline constexpr const char* IDS_TIPNEXT = "&Next tip";
inline constexpr const char* IDS_TIPPREV = "&Previous tip";
inline constexpr const char* IDS_WLCAPTION = "Window list";
inline constexpr const char* IDS_WLDESC = "Select a window:";
inline constexpr const char* IDS_DONTSHOWAGAIN = "Do not show this message again";
inline constexpr const char* IDS_INPUTCAPTION = "Input";
inline constexpr const char* IDS_TEXTEDITORCAPTION = "Text editor";
inline constexpr const char* IDS_FILE = "File";
inline constexpr const char* IDS_NOROOTDIR = "No root folder";
inline constexpr const char* IDS_REMOVABLE = "Removable";
inline constexpr const char* IDS_FIXEDDRIVE = "Fixed drive";
inline constexpr const char* IDS_REMOTE = "Network drive";
inline constexpr const char* IDS_CDROM = "CD-ROM";
inline constexpr const char* IDS_RAMDISK = "RAM disk";
inline constexpr const char* IDS_USERNAME = "User name";
inline constexpr const char* IDS_WINDOWSDIR = "Windows folder";
inline constexpr const char* IDS_CURRDIR = "Current folder";
inline constexpr const char* IDS_FREESPACE = "Free space";
inline constexpr const char* IDS_DISKSIZE = "Disk size";
inline constexpr const char* IDS_SYSTEMDIR = "System folder";
inline constexpr const char* IDS_REGISTEREDOWNER = "Registered owner";
inline constexpr const char* IDS_REGISTEREDCOMPANY = "Registered company";
inline constexpr const char* IDS_VERSION = "Version";
inline constexpr const char* IDS_COLORDEPTH = "Colour depth";
inline constexpr const char* IDS_SCREENSAVERDELAY = "Screen saver delay";
inline constexpr const char* IDS_MEMORYSIZE = "Memory size";
inline constexpr const char* IDS_FREESYSTEMRESOURCES = "Free system resources";
inline constexpr const char* IDS_FREEGDIRES = "Free GDI resources";
inline constexpr const char* IDS_FREEUSERRES = "Free USER resources";
inline constexpr const char* IDS_COMPUTERNAME = "Computer name";
inline constexpr const char* IDS_MAJORVERSION = "Major version";
inline constexpr const char* IDS_BUILD = "Build";
inline constexpr const char* IDS_MEMORYLOADED = "Memory load";
inline constexpr const char* IDS_MEMORYFREE = "Free memory";
inline constexpr const char* IDS_MEMORYFREEPAGES = "Free page file";
inline constexpr const char* IDS_MEMORYTOTALPAGES = "Total page file";
inline constexpr const char* IDS_MEMORYVIRTUALFREE = "Free virtual memory";
inline constexpr const char* IDS_MEMORYVIRTUALTOTAL = "Total virtual memory";
inline constexpr const char* IDS_PLATFORMID = "Platform ID";
inline constexpr const char* IDS_PLATFORM = "Platform";
inline constexpr const char* IDS_PROCESSORNUMBER = "Number of processors";
inline constexpr const char* IDS_PROCESSOR = "Processor";
inline constexpr const char* IDS_TEMPPATH = "Temporary folder";
inline constexpr const char* IDS_DOSVERSION = "DOS version";
inline constexpr const char* IDS_NUMLOCK = "Num Lock";
inline constexpr const char* IDS_CAPSLOCK = "Caps Lock";
inline constexpr const char* IDS_SCROLL = "Scroll Lock";
inline constexpr const char* IDS_DATETIME = "Date and time";
inline constexpr const char* IDS_COMPANYNAME = "Company name";
inline constexpr const char* IDS_PRODUCTNAME = "Product name";
inline constexpr const char* IDS_PRODUCTVERSION = "Product version";
inline constexpr const char* IDS_LEGALCOPYRIGHT = "Copyright";
inline constexpr const char* IDS_TRADEMARK = "Trademarks";
inline constexpr const char* IDS_FILEDESCRIPTION = "File description";
inline constexpr const char* IDS_COMMENTS = "Comments";
inline constexpr const char* IDS_CPUSPEED = "Processor speed";

// Every resource string by name, for lookups and for checking the table.
struct TLMDResourceString {
  std::string_view Name;
  std::string_view Text;
};
inline constexpr std::array<TLMDResourceString, 119> LMDResourceStrings = {{
    {"IDS_INVALIDOWNER", IDS_INVALIDOWNER},
    {"IDS_INTERVALNOTFIT", IDS_INTERVALNOTFIT},
    {"IDS_PATH", IDS_PATH},
    {"IDS_ON", IDS_ON},
    {"IDS_OFF", IDS_OFF},
    {"IDS_ADDSECTION", IDS_ADDSECTION},
    {"IDS_DELSECTION", IDS_DELSECTION},
    {"IDS_RENSECTION", IDS_RENSECTION},
    {"IDS_ADDITEM", IDS_ADDITEM},
    {"IDS_DELITEM", IDS_DELITEM},
    {"IDS_RENITEM", IDS_RENITEM},
    {"IDS_SMALLICONS", IDS_SMALLICONS},
    {"IDS_LARGEICONS", IDS_LARGEICONS},
    {"IDS_CALCAPTION", IDS_CALCAPTION},
    {"IDS_ACTUALDATE", IDS_ACTUALDATE},
    {"IDS_INSERT", IDS_INSERT},
    {"IDS_COPY", IDS_COPY},
    {"IDS_CUT", IDS_CUT},
    {"IDS_UNDO", IDS_UNDO},
    {"IDS_SELECTALL", IDS_SELECTALL},
    {"IDS_DELETE", IDS_DELETE},
    {"IDS_SEARCH", IDS_SEARCH},
    {"IDS_SEARCHMSG1", IDS_SEARCHMSG1},
    {"IDS_SEARCHMSG2", IDS_SEARCHMSG2},
    {"IDS_REPLACE", IDS_REPLACE},
    {"IDS_WORDWRAP", IDS_WORDWRAP},
    {"IDS_LINED", IDS_LINED},
    {"IDS_REDO", IDS_REDO},
    {"IDS_FONT", IDS_FONT},
    {"IDS_CLEAR", IDS_CLEAR},
    {"IDS_ALIGNLEFT", IDS_ALIGNLEFT},
    {"IDS_ALIGNRIGHT", IDS_ALIGNRIGHT},
    {"IDS_ALIGNCENTER", IDS_ALIGNCENTER},
    {"IDS_STATISTICS", IDS_STATISTICS},
    {"IDS_OPEN", IDS_OPEN},
    {"IDS_SAVE", IDS_SAVE},
    {"IDS_PRINT", IDS_PRINT},
    {"IDS_PAGE", IDS_PAGE},
    {"IDS_EDIT", IDS_EDIT},
    {"IDS_MUSTSHOWONE", IDS_MUSTSHOWONE},
    {"IDS_NEXT", IDS_NEXT},
    {"IDS_BACK", IDS_BACK},
    {"IDS_FINISH", IDS_FINISH},
    {"IDS_HELP", IDS_HELP},
    {"IDS_CLOSE", IDS_CLOSE},
    {"IDS_CANCEL", IDS_CANCEL},
    {"IDS_PROPERTYNOTUSED", IDS_PROPERTYNOTUSED},
    {"IDS_CLEARLIST", IDS_CLEARLIST},
    {"IDS_CLEARLISTHINT", IDS_CLEARLISTHINT},
    {"IDS_CLEARLISTREQUEST", IDS_CLEARLISTREQUEST},
    {"IDS_ALREADYSTARTED", IDS_ALREADYSTARTED},
    {"IDS_AboutInfo", IDS_AboutInfo},
    {"IDS_AboutAvailMemory", IDS_AboutAvailMemory},
    {"IDS_AboutSysRes", IDS_AboutSysRes},
    {"IDS_AboutCompatible", IDS_AboutCompatible},
    {"IDS_AboutPlatform", IDS_AboutPlatform},
    {"IDS_FREE", IDS_FREE},
    {"IDS_DIRCAPTION", IDS_DIRCAPTION},
    {"IDS_DIRDRIVE", IDS_DIRDRIVE},
    {"IDS_DIRPATH", IDS_DIRPATH},
    {"IDS_NEWPATH", IDS_NEWPATH},
    {"IDS_TIPERROR", IDS_TIPERROR},
    {"IDS_SHOWATSTART", IDS_SHOWATSTART},
    {"IDS_TIPNEXT", IDS_TIPNEXT},
    {"IDS_TIPPREV", IDS_TIPPREV},
    {"IDS_WLCAPTION", IDS_WLCAPTION},
    {"IDS_WLDESC", IDS_WLDESC},
    {"IDS_DONTSHOWAGAIN", IDS_DONTSHOWAGAIN},
    {"IDS_INPUTCAPTION", IDS_INPUTCAPTION},
    {"IDS_TEXTEDITORCAPTION", IDS_TEXTEDITORCAPTION},
    {"IDS_FILE", IDS_FILE},
    {"IDS_NOROOTDIR", IDS_NOROOTDIR},
    {"IDS_REMOVABLE", IDS_REMOVABLE},
    {"IDS_FIXEDDRIVE", IDS_FIXEDDRIVE},
    {"IDS_REMOTE", IDS_REMOTE},
    {"IDS_CDROM", IDS_CDROM},
    {"IDS_RAMDISK", IDS_RAMDISK},
    {"IDS_USERNAME", IDS_USERNAME},
    {"IDS_WINDOWSDIR", IDS_WINDOWSDIR},
    {"IDS_CURRDIR", IDS_CURRDIR},
    {"IDS_FREESPACE", IDS_FREESPACE},
    {"IDS_DISKSIZE", IDS_DISKSIZE},
    {"IDS_SYSTEMDIR", IDS_SYSTEMDIR},
    {"IDS_REGISTEREDOWNER", IDS_REGISTEREDOWNER},
    {"IDS_REGISTEREDCOMPANY", IDS_REGISTEREDCOMPANY},
    {"IDS_VERSION", IDS_VERSION},
    {"IDS_COLORDEPTH", IDS_COLORDEPTH},
    {"IDS_SCREENSAVERDELAY", IDS_SCREENSAVERDELAY},
    {"IDS_MEMORYSIZE", IDS_MEMORYSIZE},
    {"IDS_FREESYSTEMRESOURCES", IDS_FREESYSTEMRESOURCES},
    {"IDS_FREEGDIRES", IDS_FREEGDIRES},
    {"IDS_FREEUSERRES", IDS_FREEUSERRES},
    {"IDS_COMPUTERNAME", IDS_COMPUTERNAME},
    {"IDS_MAJORVERSION", IDS_MAJORVERSION},
    {"IDS_BUILD", IDS_BUILD},
    {"IDS_MEMORYLOADED", IDS_MEMORYLOADED},
    {"IDS_MEMORYFREE", IDS_MEMORYFREE},
    {"IDS_MEMORYFREEPAGES", IDS_MEMORYFREEPAGES},
    {"IDS_MEMORYTOTALPAGES", IDS_MEMORYTOTALPAGES},
    {"IDS_MEMORYVIRTUALFREE", IDS_MEMORYVIRTUALFREE},
    {"IDS_MEMORYVIRTUALTOTAL", IDS_MEMORYVIRTUALTOTAL},
    {"IDS_PLATFORMID", IDS_PLATFORMID},
    {"IDS_PLATFORM", IDS_PLATFORM},
    {"IDS_PROCESSORNUMBER", IDS_PROCESSORNUMBER},
    {"IDS_PROCESSOR", IDS_PROCESSOR},
    {"IDS_TEMPPATH", IDS_TEMPPATH},
    {"IDS_DOSVERSION", IDS_DOSVERSION},
    {"IDS_NUMLOCK", IDS_NUMLOCK},
    {"IDS_CAPSLOCK", IDS_CAPSLOCK},
    {"IDS_SCROLL", IDS_SCROLL},
    {"IDS_DATETIME", IDS_DATETIME},
    {"IDS_COMPANYNAME", IDS_COMPANYNAME},
    {"IDS_PRODUCTNAME", IDS_PRODUCTNAME},
    {"IDS_PRODUCTVERSION", IDS_PRODUCTVERSION},
    {"IDS_LEGALCOPYRIGHT", IDS_LEGALCOPYRIGHT},
    {"IDS_TRADEMARK", IDS_TRADEMARK},
    {"IDS_FILEDESCRIPTION", IDS_FILEDESCRIPTION},
    {"IDS_COMMENTS", IDS_COMMENTS},
    {"IDS_CPUSPEED", IDS_CPUSPEED},
}};
