#pragma once
// The message description file: for each finding a message line (its first 14 characters
// identify it), a cause line and a remedy line, in code page 850. Other lines may stand
// anywhere. The file is data the user may edit; a damaged file is read as far as it goes.

#include <string>

#include "config/settings.h"
#include "report/message_list.h"

namespace zel3 {

// Shown when a finding has no entry in the description file.
inline const char* const kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

// The description file: PltDir (or the shipped data folder when PltDir is empty) + ShortName +
// ".err".
std::string MessageDescriptionFile(const Folders& folders, const std::string& programDataDir,
                                   const std::string& shortName);

enum class DescriptionStatus { NoFile, NoEntry, Found };

struct MessageDescription {
    DescriptionStatus status = DescriptionStatus::NoFile;
    std::string cause;   // code page 850; empty when the file ends first
    std::string remedy;  // code page 850; empty when the file ends first
};

// Looks the message up by its first 14 characters. A file that cannot be read, is too large
// or is binary gives NoFile or NoEntry, never a crash.
MessageDescription FindMessageDescription(const std::string& file, const std::string& message);

// The cause of a finding for reports: empty without a file, kNoDescription without an entry.
std::string MessageCause(const std::string& file, const std::string& message);
// The remedy of a finding for reports: empty without a file or entry.
std::string MessageRemedy(const std::string& file, const std::string& message);

// The same for message i (1-based) of the list.
std::string MessageCause(const std::string& file, const MessageList& list, int i);
std::string MessageRemedy(const std::string& file, const MessageList& list, int i);

enum class DescriptionWrite { Written, NoEntry, Failed };

// Replaces cause and remedy (code page 850, one line each) of the message's entry, keeping
// every other byte of the file. The file is replaced only when the new one is complete.
DescriptionWrite WriteMessageDescription(const std::string& file, const std::string& message,
                                         const std::string& cause, const std::string& remedy);

}  // namespace zel3
