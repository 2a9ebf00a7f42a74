// The script library "tiko": its command table with help strings, and the
// library tables the host asks for.
#include "commands.h"
#include "entries.h"

const CommandEntry fl_tiko_commands[] = {
    {"CreateApp", fl_CreateApp},
    {"FreeApp", fl_FreeApp},
    {"Set", fl_Set},
    {"Get", fl_Get},
    {"DoMethod", fl_DoMethod},
    {"Request", fl_Request},
    {"Notify", fl_Notify},
    {"CreateObject", fl_CreateObject},
    {"FreeObject", fl_FreeObject},
    {"HaveObject", fl_HaveObject},
    {"CreateDialog", fl_CreateDialog},
    {"FreeDialog", fl_FreeDialog},
    {"FreeImage", fl_FreeImage},
    {nullptr, nullptr},
};

const HelpString fl_tiko_help[] = {
    {"tiko.CreateApp(xml$) -- create application object from an XML source", 0},
    {"tiko.FreeApp() -- delete entire application object", 0},
    {"tiko.Set(id$,attr1$,val1$,...) -- set value of a TIKO object attribute", 0},
    {"r=tiko.Get(id$,attr$) -- get value of a TIKO object attribute", 0},
    {"r=tiko.DoMethod(id$,method$,...) -- run method on TIKO object", 0},
    {"r=tiko.Request(title$,body$,buts$[,icon$]) -- show a system requester", 0},
    {"tiko.Notify(id$,attr$,enable) -- add/remove notification on a TIKO object attribute", 0},
    {"tiko.CreateObject(xml$[,parent$]) -- create TIKO object from an XML source", 0},
    {"tiko.FreeObject(id$) -- delete a detached TIKO object", 0},
    {"r=tiko.HaveObject(id$) -- check if TIKO object exists", 0},
    {"tiko.CreateDialog(xml$[,parent$] -- create dialog object from an XML source", 0},
    {"tiko.FreeDialog(id$) -- delete a dialog object", 0},
    {"tiko.FreeImage(img) -- free GUI image", 0},
    {nullptr, 0},
};

const char *GetBaseTable() { return "tiko"; }
const CommandEntry *GetCommands() { return fl_tiko_commands; }
const HelpString *GetHelpStrings() { return fl_tiko_help; }
const ConstantEntry *GetConstants() { return nullptr; }
