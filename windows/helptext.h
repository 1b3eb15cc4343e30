#pragma once

#include <QString>

// The text of the help window: five paragraphs, each on one line, with an empty line
// (CR CR) between them and two spaces between sentences.
QString helpText();
