#include "dbf/dbf_error.h"

namespace zel3 {

std::string DbfErrorText(DbfError error, const std::string& detail) {
    switch (error) {
        case DbfError::None:
            return "";
        case DbfError::NotOpen:
            return "Keine Datenbank (bzw. kein Arbeitsbereich) geöffnet.";
        case DbfError::Empty:
            return "Datenbank \"" + detail + "\" ist leer.";
        case DbfError::BeyondEof:
            return "Datenbank \"" + detail + "\" ist hinter EOF.";
        case DbfError::NotLocked:
            return "Datensatz nicht gesperrt";
        case DbfError::TooManyLocks:
            return "Anzahl der gesperrten Datensätze zu groß";
        case DbfError::NoWorkArea:
            return "Kein Arbeitsbereich frei";
        case DbfError::BufferSize:
            return "Ungleiche Puffer- und Datensatzgröße der Datenbank: " + detail;
        case DbfError::ContinueWithoutLocate:
            return "Call to CONTINUE not preceeded by call to LOCATE.";
        case DbfError::AppendToItself:
            return "Datei kann nicht an sich selbst angehängt werden.";
        case DbfError::IndexNotOpen:
            return "Index nicht geöffnet.";
        case DbfError::FindNaturalOrder:
            return "Find() mit Index-Ordnung 0 (natürliche Ordnung) nicht erlaubt";
        case DbfError::KeyTooLong:
            return "Index-Ausdruck länger als 100 Bytes";
        case DbfError::UnknownType:
            return "Unbekannter Datentyp (nicht \"C\", \"N\", \"F\", \"L\", \"D\" oder \"M\")";
        case DbfError::NoFieldName:
            return "No field name specified";
        case DbfError::UnknownField:
            return "Unrecognized field name";
        case DbfError::FileAccess:
            return "Dateifehler: " + detail;
        case DbfError::BadHeader:
            return "Keine gültige dBase-Datei: " + detail;
        case DbfError::MemoMissing:
            return "Memodatei fehlt: " + detail;
        case DbfError::AliasInUse:
            return "Alias \"" + detail + "\" ist bereits geöffnet.";
        case DbfError::ReadOnly:
            return "Datenbank \"" + detail + "\" ist schreibgeschützt.";
        case DbfError::BadIndex:
            return "Indexdatei fehlerhaft: " + detail;
        case DbfError::BadValue:
            return "Wert passt nicht in das Feld " + detail;
        case DbfError::LockedByOther:
            return "Datei oder Datensatz von anderem Programm gesperrt" +
                   (detail.empty() ? std::string() : ": " + detail);
    }
    return "";
}

}  // namespace zel3
