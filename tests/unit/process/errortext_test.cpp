#include "process/appexec.h"
#include "process/errortext.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

struct Entry {
    std::int32_t code;
    std::string text;
    std::size_t length;
};

// Typed afresh from the table of texts, with each text's length in bytes.
const Entry Table[] = {
    {-1,
     "Pas d'ex\xE9"
     "cution",
     15},
    {0,
     "Syst\xE8me d\xE9pass\xE9 en capacit\xE9 m\xE9moire, ex\xE9"
     "cutable corrompu, ou r\xE9"
     "allocations invalides",
     84},
    {2, "Fichier non trouv\xE9", 18},
    {3, "Chemin non trouv\xE9", 17},
    {5,
     "Tentative de liaison dynamique \xE0 une t\xE2"
     "che, ou erreur de partage, ou erreur de protection r\xE9seau",
     96},
    {6,
     "Librairie n\xE9"
     "cessitant des segments de donn\xE9"
     "es s\xE9par\xE9s pour chaque t\xE2"
     "che",
     71},
    {8, "M\xE9moire insuffisante pour d\xE9marrer l'application", 48},
    {10, "Version de Windows incorrecte", 29},
    {11,
     "Ex\xE9"
     "cutable invalide, application non Windows, ou erreur dans l'image du fichier .EXE",
     84},
    {12,
     "Application \xE9"
     "crite pour un syst\xE8me d'exploitation diff\xE9rent",
     59},
    {13,
     "Application \xE9"
     "crite pour MS-DOS 4.0",
     34},
    {14,
     "Type d'ex\xE9"
     "cutable inconnu",
     25},
    {15,
     "Tentative de chargement d'une application en mode r\xE9"
     "el (d\xE9velopp\xE9"
     "e pour une version ant\xE9rieure de Windows)",
     106},
    {16,
     "Tentative de chargement d'une seconde instance d'un ex\xE9"
     "cutable contenant plusieurs segments de donn\xE9"
     "es non marqu\xE9s en lecture seule",
     131},
    {19,
     "Tentative de chargement d'un ex\xE9"
     "cutable compress\xE9. Le fichier doit \xEAtre d\xE9"
     "compress\xE9 avant de pouvoir \xEAtre charg\xE9",
     112},
    {20,
     "Fichier Dynamic-link library (DLL) invalide. Une des DLLs requises pour ex\xE9"
     "cuter cette application est corrompue",
     112},
    {21,
     "Application n\xE9"
     "cessitant des extensions 32-bit",
     45},
};

bool IsTableByte(unsigned char byte) {
    static const std::set<unsigned char> accented{0xE0, 0xE2, 0xE8, 0xE9, 0xEA};
    return (byte >= 0x20 && byte < 0x7F) || accented.count(byte) != 0;
}

TEST(ErrorText, EveryEntryWithItsLength) {
    std::set<std::string> seen;
    for (const Entry& entry : Table) {
        const std::string text = ErrorTextFor(entry.code);
        EXPECT_EQ(text, entry.text) << "code " << entry.code;
        EXPECT_EQ(text.size(), entry.length) << "code " << entry.code;
        for (unsigned char byte : text) {
            EXPECT_TRUE(IsTableByte(byte)) << "code " << entry.code << ": byte " << int(byte);
        }
        ASSERT_FALSE(text.empty()) << "code " << entry.code;
        EXPECT_NE(text.front(), ' ') << "code " << entry.code;
        EXPECT_NE(text.back(), ' ') << "code " << entry.code;
        EXPECT_NE(text.back(), '.') << "code " << entry.code;
        EXPECT_TRUE(seen.insert(text).second) << "code " << entry.code << " repeats a text";
    }
}

TEST(ErrorText, RangeAndGaps) {
    struct Case {
        std::int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {INT_MIN, ""},
        {-2, ""},
        {1, ""},
        {4, ""},
        {7, ""},
        {9, ""},
        {17, ""},
        {18, ""},
        {22, ""},
        {31, ""},
        {32, "Pas d'erreur"},
        {87, "Pas d'erreur"},
        {267, "Pas d'erreur"},
        {INT_MAX, "Pas d'erreur"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorTextFor(c.code), c.text) << "code " << c.code;
    }
}

TEST(ErrorText, LastErrorCodesWithTheTopBitSetAreNegative) {
    struct Case {
        std::uint32_t lastError;
        std::int32_t errNo;
        const char* text;
    };
    const Case cases[] = {
        {0xFFFFFFFFu, -1,
         "Pas d'ex\xE9"
         "cution"},
        {0xFFFFFFFEu, -2, ""},
        {0x80000000u, INT_MIN, ""},
        {0x8007000Eu, static_cast<std::int32_t>(-2147024882), ""},
        {0x7FFFFFFFu, INT_MAX, "Pas d'erreur"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrNoOf(c.lastError), c.errNo) << "last error " << c.lastError;
        EXPECT_EQ(ErrorTextFor(ErrNoOf(c.lastError)), c.text) << "last error " << c.lastError;
    }
}

TEST(ErrorText, NewComponentHasTheNoRunText) {
    const TAppExec exec(nullptr);
    EXPECT_EQ(exec.GetErrorText(), "Pas d'ex\xE9"
                                   "cution");
}

} // namespace
