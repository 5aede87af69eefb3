// The tray icon's callback decoding and the retries of adding it.
#include "Icone.h"

ActionIcône DécodeurIcône::Message(uint32_t message) {
    using namespace MessagesIcône;
    if (suite_ != 0 && message == suite_) {
        suite_ = 0;
        return ActionIcône::Aucune;
    }
    switch (message) {
        case BoutonGaucheLâché:
            suite_ = Sélection;
            return ActionIcône::Menu;
        case BoutonDroitLâché:
            suite_ = MenuContextuel;
            return ActionIcône::Quitter;
        case Sélection:
        case SélectionClavier:
        case MenuContextuel:
            suite_ = 0;
            return ActionIcône::Menu;
        default:
            return ActionIcône::Aucune;  // moves, buttons pressed, double clicks: nothing
    }
}

bool RelanceIcône::Continue(bool ajoutée) {
    if (ajoutée || restants_ == 0) {
        restants_ = 0;
        return false;
    }
    --restants_;
    return true;
}
