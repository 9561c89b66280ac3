#include "process/errortext.h"

#include <limits>
#include <utility>

namespace {

// Keyed like the results of the old program-start call, whose values 0 to 31 were
// failures; the error number is looked up as it is, without translation.
// A literal is split after an escape wherever a hex digit follows it.
constexpr std::pair<std::int32_t, const char*> ErrorTexts[] = {
    {-1, "Pas d'ex\xE9"
         "cution"},
    {0, "Syst\xE8me d\xE9pass\xE9 en capacit\xE9 m\xE9moire, ex\xE9"
        "cutable corrompu, ou r\xE9"
        "allocations invalides"},
    {2, "Fichier non trouv\xE9"},
    {3, "Chemin non trouv\xE9"},
    {5, "Tentative de liaison dynamique \xE0 une t\xE2"
        "che, ou erreur de partage, ou erreur de protection r\xE9seau"},
    {6, "Librairie n\xE9"
        "cessitant des segments de donn\xE9"
        "es s\xE9par\xE9s pour chaque t\xE2"
        "che"},
    {8, "M\xE9moire insuffisante pour d\xE9marrer l'application"},
    {10, "Version de Windows incorrecte"},
    {11, "Ex\xE9"
         "cutable invalide, application non Windows, ou erreur dans l'image du fichier .EXE"},
    {12, "Application \xE9"
         "crite pour un syst\xE8me d'exploitation diff\xE9rent"},
    {13, "Application \xE9"
         "crite pour MS-DOS 4.0"},
    {14, "Type d'ex\xE9"
         "cutable inconnu"},
    {15, "Tentative de chargement d'une application en mode r\xE9"
         "el (d\xE9velopp\xE9"
         "e pour une version ant\xE9rieure de Windows)"},
    {16, "Tentative de chargement d'une seconde instance d'un ex\xE9"
         "cutable contenant plusieurs segments de donn\xE9"
         "es non marqu\xE9s en lecture seule"},
    {19, "Tentative de chargement d'un ex\xE9"
         "cutable compress\xE9. Le fichier doit \xEAtre d\xE9"
         "compress\xE9 avant de pouvoir \xEAtre charg\xE9"},
    {20, "Fichier Dynamic-link library (DLL) invalide. Une des DLLs requises pour ex\xE9"
         "cuter cette application est corrompue"},
    {21, "Application n\xE9"
         "cessitant des extensions 32-bit"},
};

// Every number from here up meant a started program.
constexpr std::int32_t FirstNoError = 32;

} // namespace

std::string ErrorTextFor(std::int32_t errNo) {
    for (const auto& [code, text] : ErrorTexts) {
        if (code == errNo) {
            return text;
        }
    }
    return errNo >= FirstNoError ? "Pas d'erreur" : "";
}
