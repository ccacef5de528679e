// The six page-header texts as the Set Header window stores them.
#pragma once

#include <string>

namespace kx {

// The Set Header window's edits.
struct HeaderChoices {
    std::string Edit_Company, Edit_User, Edit_Project_1, Edit_Project_2, Edit_JobDesc, Edit_Ref;
};

// The header texts as the window shows them.
HeaderChoices CurrentHeaderTexts();

// Stores each text, cut to its first 100 characters, in the order company, user, project 1,
// project 2, job description, job reference.
void StoreHeaderTexts(const HeaderChoices& c);

} // namespace kx
