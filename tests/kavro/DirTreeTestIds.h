// DirTreeTestIds.h - resource and command ids of the directory tree's tests.
#pragma once

#define IDR_TREE_MENU 300

#define ID_TREE_OPEN 40101
#define ID_TREE_RENAME 40102
