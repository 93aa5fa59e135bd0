#pragma once

#include <string>

class Document;

// Opening and saving a document's file. Each returns "" or the notice that tells
// the user what went wrong; on failure the document is as it was.

// All or nothing: the file is read and parsed and every item checked before the
// document's items are replaced.
std::string openScenario(Document& document, const std::string& path);
// Writes the document to path; the old file stays as it was if that fails.
std::string saveScenario(Document& document, const std::string& path);
