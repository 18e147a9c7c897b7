// The land masks of the model grids, loaded once at start-up: the request
// builder finds a model's mask by its model number written in decimal.
#ifndef MAP_MASQUES_H
#define MAP_MASQUES_H

class Masque;

struct TYPEDEF_MASQUE {
    const char* nom;  // null ends the table
    Masque* masque;   // null when its file could not be read
};

constexpr int NOMBRE_MASQUES = 12;
extern TYPEDEF_MASQUE MASQUES[NOMBRE_MASQUES];

// One mask per named row from "img/<name>.msk"; a mask that cannot be read
// is deleted and its row left null.
void load_masques();
// Deletes every mask of the table.
void free_masques();

#endif
