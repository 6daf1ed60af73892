-- based on the project's catalogue
-- A second record of rating 15, after the first.
INSERT INTO [Engines] VALUES (15, 9.0, 'Second Fusion 15');
