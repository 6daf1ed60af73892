-- based on the project's catalogue
INSERT INTO [Equipment] VALUES ('Medium Laser ', 3.0, 2.0, 7, 7, 7, 7, 0, 7);
INSERT INTO [Equipment] VALUES ('medium laser', 2.0, 1.0, 9, 9, 9, 9, 0, 9);
