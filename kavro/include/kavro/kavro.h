// kavro.h - every public header of the control library at once.
#pragma once

#include <kavro/ColorPicker.h>
#include <kavro/DirTreeCtrl.h>
#include <kavro/HighlightCheckListbox.h>
#include <kavro/IconComboBox.h>
#include <kavro/MenuListbox.h>
#include <kavro/TransparentStatic.h>
#include <kavro/WndUtils.h>
