#pragma once
// The status bar with its panels.

#include <vector>

#include "toolkit/win_control.h"

enum class TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    String Text;
    int Width = 50;
    TStatusPanelBevel Bevel = TStatusPanelBevel::pbLowered;
};

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* owner);
    String ClassName() const override { return "TStatusBar"; }

    int PanelCount() const { return int(FPanels.size()); }
    TStatusPanel& Panel(int index) { return FPanels.at(std::size_t(index)); }
    TStatusPanel& AddPanel();
    void SetPanelText(int index, const String& text);

protected:
    void Paint() override;

private:
    std::vector<TStatusPanel> FPanels;
};
