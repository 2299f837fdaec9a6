#pragma once

#include "databaseformat.h"

#include <QByteArray>

// What the header page of an Access file says about reading it. A database
// password is only a check made by Access itself (Jet 3 and Jet 4 keep it
// obfuscated in the header), but its owner chose that the file be opened by
// those who know it, so it is honoured. An encrypted ACE file cannot be read
// at all without its key.
enum class AccessProtection { None, Password, Encrypted };

// `headerPage` is the start of the file: at least its first 0x98 bytes.
AccessProtection accessProtection(const QByteArray& headerPage, DatabaseFormat format);
