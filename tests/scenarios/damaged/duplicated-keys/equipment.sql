-- based on the project's catalogue
-- A second "Medium Laser", heavier and larger than the first.
INSERT INTO [Equipment] VALUES ('Medium Laser', 4.0, 2.0, 0, 0, 0, 0, 0, 0);
