// The CommonDlg unit's options (version 1).
#pragma once

#include <cstdint>
#include <string>

namespace rt {

struct CommonDlgOptions {
    static constexpr uint32_t kMaxVersion = 1;

    int32_t DialogType = 0;
    std::string Title;
    std::string FileName;
    std::string Filter;
    int32_t FilterIndex = 0;
    std::string InitialDir;
    std::string DefaultExt;
    bool CreatePrompt = false;
    bool FileMustExist = true;
    bool OverwritePrompt = true;
    bool PathMustExist = true;
    bool NoChangeDir = false;
    uint32_t FontColour = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikeOut = false;
    std::string FontName;
    int32_t FontSize = 0;
    std::string HelpFile;
    int32_t HelpCommand = 0;
    int32_t HelpTopic = 0;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t)
    {
        field("DialogType", o.DialogType);
        field("FilterIndex", o.FilterIndex);
        field("CreatePrompt", o.CreatePrompt);
        field("FileMustExist", o.FileMustExist);
        field("OverwritePrompt", o.OverwritePrompt);
        field("PathMustExist", o.PathMustExist);
        field("NoChangeDir", o.NoChangeDir);
        field("FontColour", o.FontColour);
        field("FontBold", o.FontBold);
        field("FontItalic", o.FontItalic);
        field("FontUnderline", o.FontUnderline);
        field("FontStrikeOut", o.FontStrikeOut);
        field("FontSize", o.FontSize);
        field("HelpCommand", o.HelpCommand);
        field("HelpTopic", o.HelpTopic);
        field("Title", o.Title);
        field("FileName", o.FileName);
        field("Filter", o.Filter);
        field("InitialDir", o.InitialDir);
        field("DefaultExt", o.DefaultExt);
        field("FontName", o.FontName);
        field("HelpFile", o.HelpFile);
    }

    bool operator==(const CommonDlgOptions&) const = default;
};

}  // namespace rt
