#pragma once
// A rich-text box: shows formatted text read from RTF, wrapped at its width.

#include "toolkit/stdctrls.h"
#include "toolkit/win_control.h"

class QTextDocument;

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* owner);
    String ClassName() const override { return "TRichEdit"; }

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);

    // Replaces the whole content with the RTF text's.
    void LoadRtf(const String& rtf);
    String PlainText() const;
    // The shown document, for inspecting its formatting.
    QTextDocument* Document() const;

protected:
    void ColorChanged() override;

private:
    bool FReadOnly = false;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
};
