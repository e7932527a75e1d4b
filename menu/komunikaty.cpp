#include "menu/komunikaty.h"

#include "menu/plik_ustawien.h"
#include "model/slownik.h"

std::string DictionaryFaultParagraph(const FileFault& fault)
{
    return FaultParagraph(fault, Slownik::Limit() > TopLevelList
                                     ? "The dictionary loaded before stays in use."
                                     : "Every word counts as invalid and the computers find no "
                                       "move; choose another dictionary in OPTIONS.");
}

std::string SettingsReadParagraph(const FileFault& fault, bool read)
{
    std::string outcome =
        read ? "The seats start as at a first start." : "The built-in settings are used.";
    // A refused file is kept beside only if a save is to replace it; the
    // data folder's file under a per-user one is never written.
    if (RefusedSettingsFile(fault.file) && SettingsSaveReplaces(fault.file))
        outcome += " The file is kept as " + fault.file + RefusedSettingsSuffix
                   + " when the settings are next saved.";
    return FaultParagraph(fault, outcome);
}

std::string SettingsWriteParagraph(const FileFault& fault)
{
    return FaultParagraph(fault, "The settings last until the program ends.");
}
