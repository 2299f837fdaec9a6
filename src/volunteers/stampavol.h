#pragma once

class App;
class QString;

// Writes the certificate data of volunteers to "protciv02.txt" for the
// certificate program, as `modostampavol` says: "T" every volunteer of the
// association (the file rewritten, surnames in descending order, then the
// program started); "V" the volunteer of the clicked line of the grouped
// list (his block appended; a line naming nobody starts the program).
void stampavol(App& app, const QString& association, const QString& clickedLine);
