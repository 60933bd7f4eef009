#pragma once
// The few settings that every number and text helper reads.

namespace zel3 {

struct NumberFormat {
    int decimals = 3;        // "Dezimalstellen" 1..9; shifts every formatted number by (value - 3)
    int separator = 1;       // "Dot=1 Komma=2"
    int unitSystem = 0;      // 0 metric, 1 US customary
    int dateCode = 1;        // 1 dd.mm.yyyy, 2 mm/dd/yyyy, 3 yyyy/mm/dd
    int tableSeparatorMode = 2;  // 1: commas become points in table lines, else points become commas

    bool decimalComma() const { return separator == 2; }
};

struct TextOptions {
    bool transliterate = false;  // umlauts and special letters as ASCII before any conversion
    int cadTextMode = 1;         // 1 unchanged, 2 OEM to Windows-1252, 3 ASCII transliteration
};

}  // namespace zel3
