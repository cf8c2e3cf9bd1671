// kavro.h - every public header of the control library at once.
#pragma once

#include <kavro/DirTreeCtrl.h>
#include <kavro/QTXButton.h>
#include <kavro/TransparentCheckbox.h>
#include <kavro/TransparentIcon.h>
#include <kavro/TransparentStatic.h>
#include <kavro/WndUtils.h>
