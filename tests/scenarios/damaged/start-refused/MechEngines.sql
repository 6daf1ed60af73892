-- based on the project's catalogue
DELETE FROM [Engines];
