-- based on the project's catalogue
-- Switched to write-ahead-log mode by a database tool.
PRAGMA journal_mode = WAL;
-- A second "Medium Laser", heavier and larger than the first; names that
-- differ from it only by case or a trailing space; names that begin with a
-- built-in entry's name.
INSERT INTO [Equipment] VALUES ('Medium Laser', 4.0, 2.0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Medium Laser ', 3.0, 2.0, 7, 7, 7, 7, 0, 7);
INSERT INTO [Equipment] VALUES ('medium laser', 2.0, 1.0, 9, 9, 9, 9, 0, 9);
INSERT INTO [Equipment] VALUES ('Jump Jet Pack', 0.5, 1.0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Heat Sink Array', 1.0, 1.0, 0, 0, 0, 0, 0, 0);
-- Rows no field accepts: a Null heat, half a slot, a weight beyond any float.
UPDATE [Equipment] SET [Heat] = NULL WHERE [Item] = 'PPC';
INSERT INTO [Equipment] VALUES ('Half Slot', 1, 1.5, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Anchor', 1e39, 1, 0, 0, 0, 0, 0, 0);
