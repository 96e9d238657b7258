// The help document, byte for byte.

#include <gtest/gtest.h>

#include "setupctrls/help_form.h"

namespace {

const std::string Head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ";

const std::string Body =
    " Settings Program}\\par\\par\\fs24\r\n"
    "This program will help you configure the option jumpers and settings associated with this product. You should "
    "have the product in-hand when first using this program.\\par\\par\r\n"
    "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n"
    "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional features "
    "of the product family.\\par\\par\r\n"
    "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually controlling the "
    "hardware device. Run this settings program again once the card is installed. "
    "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
    "{\\cf3 calibration circles}.\\par\\par\r\n"
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, {\\cf2 features}, "
    "and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. "
    "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par\r\n";

const std::string Note =
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options for "
    "each port are handled identically; this program only shows the setup once, but you need to perform this setup "
    "for each group of options on your device.\\par\\par\r\n";

std::string CardsSentence(const std::string& card) {
    return "To see a list of " + card + " cards installed, click \"Display " + card +
           " Cards Installed\" under the File menu.\\par\\par\r\n";
}

TEST(HelpDocument, ByteForByte) {
    struct Case {
        const char* what;
        THelpValues values;
        std::string expected;
    };
    const Case cases[] = {
        {"this board", {"ZELKOR", "ZK-WAVE-410", " Series", false, false},
         Head + "ZELKOR ZK-WAVE-410 Series" + Body + "}"},
        {"multi-port", {"ZELKOR", "ZK-WAVE-410", " Series", true, false},
         Head + "ZELKOR ZK-WAVE-410 Series" + Body + Note + "}"},
        {"card list", {"ZELKOR", "ZK-B", " Series", false, true},
         Head + "ZELKOR ZK-B Series" + Body + CardsSentence("ZK-B") + "}"},
        {"both: the note first", {"ZELKOR", "ZK-B", " Series", true, true},
         Head + "ZELKOR ZK-B Series" + Body + Note + CardsSentence("ZK-B") + "}"},
        {"no series", {"ZELKOR", "ZK-WAVE-410", "", false, false}, Head + "ZELKOR ZK-WAVE-410" + Body + "}"},
        // Names stay text: RTF's special characters are escaped.
        {"escaped names", {"A\\B {C}", "Zelk\xC3\xB6r", " Series", false, true},
         Head + "A\\\\B \\{C\\} Zelk\\u246?r Series" + Body + CardsSentence("Zelk\\u246?r") + "}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ComposeHelpDocument(c.values), c.expected);
    }
}

TEST(HelpWindow, ScalesToTheScreen) {
    struct Case {
        int w, h;
        TPoint client;
    };
    for (Case c : {Case{640, 480, {305, 138}}, Case{800, 600, {305, 138}}, Case{1024, 768, {390, 177}},
                   Case{1920, 1080, {732, 331}}, Case{1280, 1024, {488, 221}}})
        EXPECT_EQ(HelpClientSize(c.w, c.h), c.client) << c.w << " x " << c.h;
}

}  // namespace
