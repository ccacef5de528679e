// Storing the page-header texts.
#include "window/SetHeader.h"

#include "foundation/SharedModel.h"

namespace kx {

HeaderChoices CurrentHeaderTexts() {
    return {Model.HeaderCompany,  Model.HeaderUser,    Model.HeaderProject1,
            Model.HeaderProject2, Model.HeaderJobDesc, Model.HeaderJobRef};
}

void StoreHeaderTexts(const HeaderChoices& c) {
    Model.HeaderCompany = c.Edit_Company;
    Model.HeaderUser = c.Edit_User;
    Model.HeaderProject1 = c.Edit_Project_1;
    Model.HeaderProject2 = c.Edit_Project_2;
    Model.HeaderJobDesc = c.Edit_JobDesc;
    Model.HeaderJobRef = c.Edit_Ref;
}

} // namespace kx
