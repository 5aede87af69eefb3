// The tray icon's callback decoding and the retries of adding it.
#include "Icone.h"

ActionIcône DécodeurIcône::Message(uint32_t message) {
    using M = MessagesIcône;
    if (suite_ != 0 && message == suite_) {
        suite_ = 0;
        return ActionIcône::Aucune;
    }
    switch (message) {
        case M::BoutonGaucheLâché:
            suite_ = M::Sélection;
            return ActionIcône::Menu;
        case M::BoutonDroitLâché:
            suite_ = M::MenuContextuel;
            return ActionIcône::Quitter;
        case M::Sélection:
        case M::SélectionClavier:
        case M::MenuContextuel:
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
