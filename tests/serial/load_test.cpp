// Many terminals sending at once into one database.
