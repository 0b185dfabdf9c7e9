// Line and whitespace helpers shared by the engine and the application.
#pragma once

#include <string>
#include <vector>

// Replaces every strFrom by strTo, left to right, resuming after each replacement (so a
// strTo that contains strFrom cannot loop); true when anything was replaced.
bool ReplaceAll(std::string& strText, const std::string& strFrom, const std::string& strTo);

// Removes leading and trailing spaces, tabs, CR and LF; true when the text changed.
bool TrimText(std::string& strText);

// Cuts strText at every CR LF into saLines (emptied first). Empty pieces are kept, but a
// text ending in CR LF gives no empty last piece. Returns the number of pieces.
int GetSAFromMLString(std::vector<std::string>& saLines, const std::string& strText);
