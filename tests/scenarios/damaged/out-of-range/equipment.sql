-- based on the project's catalogue
-- A 4 t item of no slots, a 1.5-slot item and one heavier than any float.
INSERT INTO [Equipment] VALUES ('Ghost Pod', 4, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Half Slot', 1, 1.5, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Anchor', 1e39, 1, 0, 0, 0, 0, 0, 0);
