#pragma once

#include "document/Translation.h"

// The names and texts of the file dialog's windows in "CommonFileDialog.layout".
// Child names are relative to the root window; Turkish names and texts carry
// their English meaning.
namespace filedialognames {

inline constexpr const char* layoutFile = "CommonFileDialog.layout";
inline constexpr const char* root = "CommonFileDialog";

inline constexpr const char* backButton = "BackButton";
inline constexpr const char* okButton = "OkButton";
inline constexpr const char* cancelButton = "CancelButton";
inline constexpr const char* fileCombobox = "FileCombobox";  // the file name, with the names accepted before
inline constexpr const char* driveCombobox = "DriveCombobox";
inline constexpr const char* extensionCombobox = "ExtensionCombobox";  // the file types
inline constexpr const char* listbox = "Listbox";  // the folder's entries
inline constexpr const char* folderPath = "klasorYolu";  // "folder path": the folder the listing shows
inline constexpr const char* promptLoad = "PromptLoad";
inline constexpr const char* promptLoadText = "PromptLoad/Text";
inline constexpr const char* promptLoadOkButton = "PromptLoad/OkButton";
inline constexpr const char* promptSave = "PromptSave";
inline constexpr const char* promptSaveText = "PromptSave/Text";
inline constexpr const char* promptSaveOkButton = "PromptSave/OkButton";
inline constexpr const char* promptSaveCancelButton = "PromptSave/CancelButton";

// The layout's own captions: "Surucu" (drive), "Dosya turu" (file type), "Dosya adi"
// (file name), "Tamam" (OK), "Iptal" (Cancel), "Evet" (yes), "Hayir" (no).
inline constexpr const char* backText = "<<";
inline constexpr const char* loadTitle = N_("Ac");                                     // "Open"
inline constexpr const char* saveTitle = N_("Kaydet");                                 // "Save"
inline constexpr const char* loadPromptText = N_("Aranilan Dosya Bulunamadi.");       // "The file sought was not found."
inline constexpr const char* savePromptText = N_("Varolan dosyayi degistirsin mi?");  // "Replace the existing file?"

}  // namespace filedialognames
