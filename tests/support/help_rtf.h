#pragma once
// A short help document in the RTF subset the program writes.

#include <string>

inline const std::string kHelp =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n"
    "{\\b ZELKOR ZK-WAVE-410 Series Settings Program}\\par\\par\\fs24\r\n"
    "This program will help you.\\par\\par\r\n"
    "{\\cf1\\fs24\\b Yellow circles} provide information.\\par\\par\r\n"
    "{\\fs32\\b Note:} Make sure \\emdash  the options; this program.\\par\\par\r\n"
    "}";
